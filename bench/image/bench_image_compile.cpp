// Catalogue load and compile of a 100-device project. The compile runs against the shipped EEP catalogue: each
// device takes one catalogue profile (the first 100 with cases) and maps
// every data field of each of its cases, then both images are built.
#include "catalog/CatalogEnOcean.h"
#include "image/CatalogLookup.h"
#include "image/ImageCompiler.h"
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

struct TProject
{
    QTemporaryDir Dir;
    TCatalog_EnOcean Catalog;
    int Variables = 0;
    QString ParGen() const { return Dir.filePath(QStringLiteral("ParGen.xml")); }
    QString EnOcean() const { return Dir.filePath(QStringLiteral("EnOcean.xml")); }

    TProject()
    {
        Catalog.Read_Cat_EnOcean_XML(QStringLiteral(BC_SHIPPED_EEP_XML));
        QByteArray Xml = "<EnOcean><DevicesList>";
        int Device = 0;
        for (const auto &R : Catalog.List_Rorg)
            for (const auto &F : R->List_Func)
                for (const auto &T : F->List_Type) {
                    if (Device == 100 || T->List_Case.empty())
                        continue;
                    Xml += QStringLiteral("<Device Id=\"0x0180%1\" Secure_Type=\"%2\" Key=\"0123456789ABCDEF\" RollCode=\"1\" "
                                          "RollCodeAlg=\"1\" RollCodeTx=\"0\" CMACAlg=\"1\" DataCript=\"1\" PTM=\"0\">"
                                          "<UnidirectionalList><RorgFuncType RorgNum=\"%3\" FuncNum=\"%4\" TypeNum=\"%5\"><VariablesList>")
                               .arg(Device, 4, 16, QLatin1Char('0'))
                               .arg(Device % 3)
                               .arg(R->FNumber)
                               .arg(F->FNumber)
                               .arg(T->FNumber)
                               .toUtf8();
                    int Position = 0;
                    for (size_t C = 0; C < T->List_Case.size(); ++C)
                        for (const auto &D : T->List_Case[C]->List_DataField) {
                            Xml += QStringLiteral("<Variable CaseInd=\"%1\" Data=\"%2\" BitOffs=\"%3\" BitSize=\"%4\" "
                                                  "Position=\"%5\" BitStart=\"0\"/>")
                                       .arg(C)
                                       .arg(D->FData.toHtmlEscaped())
                                       .arg(D->FBitOffs)
                                       .arg(D->FBitSize)
                                       .arg(Position++)
                                       .toUtf8();
                            ++Variables;
                        }
                    Xml += "</VariablesList></RorgFuncType></UnidirectionalList><SmartACKList/><Remote/></Device>";
                    ++Device;
                }
        Xml += "</DevicesList></EnOcean>";
        QFile F(EnOcean());
        F.open(QIODevice::WriteOnly);
        F.write(Xml);
        QFile P(ParGen());
        P.open(QIODevice::WriteOnly);
        P.write("<Par_Gen><MODBUS_SLAVE_BAUDRATE>7</MODBUS_SLAVE_BAUDRATE><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>");
    }
};

void BM_Compile_100_Devices(benchmark::State &State)
{
    static TProject Project;
    TCatalog_Case_Lookup Lookup(&Project.Catalog);
    TImage_Compiler Compiler;
    int Bank2 = 0;
    for (auto _ : State) {
        const TCompile_Result R = Compiler.Compile_Configuration(Project.ParGen(), Project.EnOcean(), Lookup);
        if (!R.Ok())
            State.SkipWithError(qPrintable(R.Error.Message()));
        Bank2 = Compiler.Bank2().size();
    }
    State.counters["devices"] = static_cast<double>(Compiler.Devices().size());
    State.counters["variables"] = Project.Variables;
    State.counters["bank2_bytes"] = Bank2;
}
BENCHMARK(BM_Compile_100_Devices)->Unit(benchmark::kMillisecond);

// The other half of an Update's cost on a fresh start: loading the shipped
// catalogue, as the main window does once. Here so that one run prints both.
void BM_Catalogue_Load(benchmark::State &State)
{
    int Profiles = 0;
    for (auto _ : State) {
        TCatalog_EnOcean Cat;
        if (!Cat.Read_Cat_EnOcean_XML(QStringLiteral(BC_SHIPPED_EEP_XML))) {
            State.SkipWithError("the shipped catalogue did not load");
            return;
        }
        Profiles = Cat.Profile_Count();
    }
    State.counters["profiles"] = Profiles;
}
BENCHMARK(BM_Catalogue_Load)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
