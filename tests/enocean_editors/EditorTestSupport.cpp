#include "EditorTestSupport.h"
#include <QComboBox>
#include <QDialog>
#include <QTimer>

QByteArray Editor_Catalogue_Xml(int Rorg_Count, int Last_Func_Count)
{
    const int Rorgs[] = {0xF6, 0xD5, 0xA5, 0xD2};
    QByteArray X = "<profile>\n";
    for (int R = 0; R < Rorg_Count; ++R) {
        X += "<rorg><number>" + QByteArray::number(Rorgs[R]) + "</number><title>Rorg " + QByteArray::number(R)
             + "</title>\n";
        const bool Last = R == 3;
        for (int F = 0; F < (Last ? Last_Func_Count : 2); ++F) {
            const int Func_Num = Last ? F : F + 1;
            X += " <func><number>" + QByteArray::number(Func_Num) + "</number><title>Func "
                 + QByteArray::number(Func_Num) + "</title>\n";
            for (int T = 1; T <= 2; ++T) {
                X += "  <type><number>" + QByteArray::number(T) + "</number><title>Type " + QByteArray::number(T)
                     + "</title>\n"
                       "   <case><title>Normal</title>"
                       "<datafield><data>TMP</data><bitoffs>16</bitoffs><bitsize>8</bitsize></datafield>"
                       "<datafield><data>HUM</data><bitoffs>8</bitoffs><bitsize>8</bitsize></datafield></case>\n"
                       "   <case><title>Alarm</title>"
                       "<datafield><data>TMP</data><bitoffs>0</bitoffs><bitsize>8</bitsize></datafield>"
                       "<datafield><data>SW</data><bitoffs>24</bitoffs><bitsize>1</bitsize></datafield></case>\n"
                       "  </type>\n";
            }
            X += " </func>\n";
        }
        X += "</rorg>\n";
    }
    return X + "</profile>\n";
}

bool While_Dialog(QDialog *Dialog, const std::function<void()> &Inside, const std::function<void()> &Trigger)
{
    bool Opened = false;
    // A timer that lives only for this trigger: when the dialog never opens
    // it is stopped before it can fire into a later one.
    QTimer Once;
    Once.setSingleShot(true);
    QObject::connect(&Once, &QTimer::timeout, [&] {
        if (!Dialog->isVisible())
            return;
        Opened = true;
        Inside();
        if (Dialog->isVisible())
            Dialog->reject();
    });
    Once.start(0);
    Trigger();
    Once.stop();
    return Opened;
}

void Pick(QComboBox *List, int Index)
{
    List->setCurrentIndex(Index);
    emit List->activated(Index);
}

std::unique_ptr<TRorFunTyp> Make_Entry(int Rorg, int Func, int Type,
                                       std::initializer_list<std::pair<int, const char *>> Vars)
{
    auto E = std::make_unique<TRorFunTyp>();
    E->FRorgNum = Rorg;
    E->FFuncNum = Func;
    E->FTypeNum = Type;
    int Position = 10;
    for (const auto &[Case, Data] : Vars) {
        auto V = std::make_unique<TVarEnOcean>();
        V->FCaseIndex = Case;
        V->FData = QString::fromLatin1(Data);
        V->FPosition = Position++;
        V->FBitStart = 3;
        E->VariableList.push_back(std::move(V));
    }
    return E;
}

std::unique_ptr<TDevice_EnOcean> Make_Device(const char *Id, std::initializer_list<TEntry_Def> Uni,
                                             std::initializer_list<TEntry_Def> SAck)
{
    auto Dev = std::make_unique<TDevice_EnOcean>();
    Dev->FId = QString::fromLatin1(Id);
    for (const TEntry_Def &S : Uni)
        Dev->UnidirectionalList.push_back(Make_Entry(S.Rorg, S.Func, S.Type, S.Vars));
    for (const TEntry_Def &S : SAck)
        Dev->SmartACKList.push_back(Make_Entry(S.Rorg, S.Func, S.Type, S.Vars));
    return Dev;
}
