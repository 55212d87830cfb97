// The EnOcean network editor opened on EnOcean.xml of 1,000 and 10,000
// devices (each with a key, one EEP and three variables): the window shown
// and painted once, beside the save of the same network and two floors, the
// file's load alone and the XML reader going over its tokens and nothing
// more. Each runs warm on the same file.
#include "editors/UEnOcean_SetAccess2.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

TDevice_List Network(int Devices)
{
    TDevice_List L;
    for (int D = 0; D < Devices; ++D) {
        auto Dev = std::make_unique<TDevice_EnOcean>();
        Dev->FId = QStringLiteral("0x%1").arg(0x01800000 + D, 8, 16, QLatin1Char('0'));
        Dev->FSecure_Type = 1;
        Dev->FKey = QStringLiteral("0123456789ABCDEF");
        auto EEP = std::make_unique<TRorFunTyp>();
        EEP->FRorgNum = 0xA5;
        EEP->FFuncNum = 0x02;
        EEP->FTypeNum = 0x05;
        for (int V = 0; V < 3; ++V) {
            auto Var = std::make_unique<TVarEnOcean>();
            Var->FData = QStringLiteral("Temperature");
            Var->FBitOffs = 16;
            Var->FBitSize = 8;
            Var->FPosition = 3 * D + V;
            EEP->VariableList.push_back(std::move(Var));
        }
        Dev->UnidirectionalList.push_back(std::move(EEP));
        L.push_back(std::move(Dev));
    }
    return L;
}

// One temporary project file per network size, written once.
struct TFile
{
    QTemporaryDir Dir;
    QString Path;
    explicit TFile(int Devices) : Path(Dir.filePath(QStringLiteral("EnOcean.xml")))
    {
        Save_EnOcean_File(Path, Network(Devices));
    }
};

const TFile &File_Of(int Devices)
{
    static TFile F1000(1000), F10000(10000);
    return Devices == 1000 ? F1000 : F10000;
}

void Editor_Open(benchmark::State &State)
{
    const int Devices = static_cast<int>(State.range(0));
    Fill_Default_Texts();
    File_EnOcean = File_Of(Devices).Path;
    TFEnOcean_SetAccess2 Editor;
    for (auto _ : State) {
        Editor.show(); // loads the file and fills the device list
        QApplication::processEvents();
        State.PauseTiming();
        if (static_cast<int>(Editor.DevList.size()) != Devices || !Editor.Last_Load().Complete()) {
            State.SkipWithError("the network did not load whole");
            break;
        }
        Editor.hide();
        QApplication::processEvents();
        State.ResumeTiming();
    }
    State.counters["devices"] = Devices;
}

void File_Save(benchmark::State &State)
{
    const int Devices = static_cast<int>(State.range(0));
    const TDevice_List L = Network(Devices);
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("EnOcean.xml"));
    for (auto _ : State)
        if (!Save_EnOcean_File(Path, L)) {
            State.SkipWithError("the save failed");
            break;
        }
    State.counters["devices"] = Devices;
}

void File_Load(benchmark::State &State)
{
    const int Devices = static_cast<int>(State.range(0));
    const QString Path = File_Of(Devices).Path;
    for (auto _ : State) {
        TDevice_List L;
        benchmark::DoNotOptimize(Load_EnOcean_File(Path, L).Devices_Read);
    }
    State.counters["devices"] = Devices;
}

// The floor of any reader: the tokens of the same file and nothing kept.
void File_Tokens(benchmark::State &State)
{
    const int Devices = static_cast<int>(State.range(0));
    const QString Path = File_Of(Devices).Path;
    for (auto _ : State) {
        QFile F(Path);
        F.open(QIODevice::ReadOnly);
        QXmlStreamReader R(&F);
        qint64 Attributes = 0;
        while (!R.atEnd())
            if (R.readNext() == QXmlStreamReader::StartElement)
                Attributes += R.attributes().size();
        benchmark::DoNotOptimize(Attributes);
    }
    State.counters["devices"] = Devices;
}

} // namespace

BENCHMARK(Editor_Open)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(File_Save)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(File_Load)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(File_Tokens)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
