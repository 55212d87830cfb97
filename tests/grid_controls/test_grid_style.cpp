#include "grid/base/GridStyle.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char *K14 = "Software\\Microsoft\\Office\\14.0\\Common";
const char *K12 = "Software\\Microsoft\\Office\\12.0\\Common";

struct TThemeCase {
    const char *Name;
    int Theme14;   // -1: no key
    int Theme12;
    const char *ColorName;
    bool ThemeActive;
    TOfficeTheme Want;
};

// The office theme: the 2010 value decides, else the 2007 one, else the desktop scheme.
const TThemeCase Theme_Cases[] = {
    {"Office2010Blue", 1, -1, "", true, ot2010Blue},
    {"Office2010Silver", 2, 1, "", true, ot2010Silver},
    {"Office2010Black", 3, -1, "", true, ot2010Black},
    {"Office2010OtherValueEvenWith2007", 4, 3, "", true, ot2003Blue},
    {"Office2007Blue", -1, 1, "", true, ot2007Blue},
    {"Office2007Black", -1, 3, "", true, ot2007Black},
    {"Office2007OtherValue", -1, 0, "", true, ot2003Blue},
    {"NoOfficeClassicDesktop", -1, -1, "NormalColor", false, ot2003Classic},
    {"NoOfficeNoSchemeName", -1, -1, "", true, ot2003Classic},
    {"NoOfficeNormalColor", -1, -1, "NormalColor", true, ot2003Blue},
    {"NoOfficeHomeStead", -1, -1, "HomeStead", true, ot2003Olive},
    {"NoOfficeMetallic", -1, -1, "Metallic", true, ot2003Silver},
};

TEST(GridStyle, OfficeThemeFromRegistryAndScheme)
{
    for (const TThemeCase &C : Theme_Cases) {
        SCOPED_TRACE(C.Name);
        TFakeRegistry Reg;
        TRegistryGuard RG(Reg);
        TSystemInfoGuard SG;
        System_Info().Theme_Color_Name = QString::fromUtf8(C.ColorName);
        System_Info().Theme_Active = C.ThemeActive;
        if (C.Theme14 >= 0)
            Reg.Set_DWord(K14, "Theme", static_cast<std::uint32_t>(C.Theme14));
        if (C.Theme12 >= 0)
            Reg.Set_DWord(K12, "Theme", static_cast<std::uint32_t>(C.Theme12));
        EXPECT_EQ(GetOfficeTheme(), C.Want);
    }
}

TEST(GridStyle, LinuxAnswersNoOffice)
{
    EXPECT_EQ(GetOfficeVersion(), 0);
    EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
    EXPECT_EQ(GetXPColorScheme(), 0);
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_EQ(GetDefaultFontName(), "Segoe UI");
}

TEST(GridStyle, OfficeVersionAndPlatformTests)
{
    struct TVersionCase { const char *Name; bool K11, K12, K14; int Want; };
    const TVersionCase Cases[] = {
        {"None", false, false, false, 0}, {"Only2003", true, false, false, 0},
        {"Office2007", true, true, false, 1}, {"Office2010", false, true, true, 2},
    };
    for (const TVersionCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakeRegistry Reg;
        TRegistryGuard RG(Reg);
        if (C.K11)
            Reg.Create_Key("Software\\Microsoft\\Office\\11.0\\Common\\General");
        if (C.K12)
            Reg.Create_Key("Software\\Microsoft\\Office\\12.0\\Common\\General");
        if (C.K14)
            Reg.Create_Key("Software\\Microsoft\\Office\\14.0\\Common\\General");
        EXPECT_EQ(GetOfficeVersion(), C.Want);
    }
    TSystemInfoGuard SG;
    System_Info().Win_Major = 5;
    System_Info().Win_Minor = 0;
    EXPECT_FALSE(IsWinXPOrLater());
    System_Info().Win_Minor = 1;
    EXPECT_TRUE(IsWinXPOrLater());
    System_Info().Has_GetLocaleInfoEx = false;
    EXPECT_EQ(GetDefaultFontName(), "Tahoma");
    System_Info().ComCtl_Major = 5;
    EXPECT_FALSE(IsComCtl6());
    System_Info().Theme_Color_Name = "NormalColor";
    EXPECT_EQ(GetXPColorScheme(), 0);   // needs common controls 6
}

TEST(GridStyle, HandleList)
{
    THandleList L;
    L.Add(10);
    L.Add(20);
    L.Insert(1, 15);
    L.Add(20);
    L.DeleteValue(20);   // the first occurrence only
    EXPECT_EQ(L.Count(), 3);
    EXPECT_EQ(L.GetInteger(1), 15);
    EXPECT_EQ(L.GetInteger(2), 20);
    L.DeleteValue(99);
    L.SetInteger(0, 11);
    L.Delete(1);
    EXPECT_TRUE(L.HasValue(11));
    EXPECT_FALSE(L.HasValue(15));
}

TEST(GridStyle, NotifierWithoutOfficeHasNoThread)
{
    QWidget Owner;
    TThemeNotifier *N = GetThemeNotifier(&Owner);
    EXPECT_EQ(N->Monitor(), nullptr);
    EXPECT_EQ(N->Window(), nullptr);
    QWidget W;
    N->RegisterWindow(&W);   // does nothing, raises nothing
    N->UnRegisterWindow(&W);
    EXPECT_EQ(GetThemeNotifier(&Owner), N);
    delete N;
    EXPECT_EQ(Current_Theme_Notifier(), nullptr);
}

// Counts theme-change events.
class TThemeListener : public QWidget {
public:
    int Count = 0;
    QString Key;
    bool event(QEvent *E) override
    {
        if (E->type() == TThemeChangeEvent::Event_Type()) {
            ++Count;
            Key = static_cast<TThemeChangeEvent *>(E)->Key();
        }
        return QWidget::event(E);
    }
};

TEST(GridStyle, NotifierWatchesOfficeKeyAndTellsRegisteredWindows)
{
    TFakeRegistry Reg;
    TRegistryGuard RG(Reg);
    Reg.Create_Key(QString(K14) + "\\General");
    Reg.Create_Key(QString(K12) + "\\General");
    QWidget Owner;
    TThemeNotifier *N = GetThemeNotifier(&Owner);
    ASSERT_NE(N->Monitor(), nullptr);
    EXPECT_EQ(N->Monitor()->Key, K14);
    EXPECT_EQ(Reg.Last_Filter(K14), 4);
    EXPECT_FALSE(N->Window()->isVisible());
    int Fired = 0;
    N->OnOfficeThemeChange = [&](QObject *S) {
        EXPECT_EQ(S, N);
        ++Fired;
    };
    TThemeListener A, B, Gone;
    N->RegisterWindow(&A);
    N->RegisterWindow(&A);   // one entry
    N->RegisterWindow(&B);
    N->UnRegisterWindow(&B);
    N->UnRegisterWindow(&Gone);   // unknown: nothing
    EXPECT_EQ(N->Monitor()->WinList().Count(), 1);

    // a change below the watched key (subtree) reaches the window and the notifier
    Reg.Report_Change(QString(K14) + "\\General");
    ASSERT_TRUE(QTest::qWaitFor([&] { return N->Monitor()->Deliveries() == 1; }, 20000));
    EXPECT_EQ(A.Count, 1);
    EXPECT_EQ(A.Key, K14);
    EXPECT_EQ(B.Count, 0);
    EXPECT_EQ(Fired, 1);
    // re-armed after each change
    ASSERT_TRUE(QTest::qWaitFor([&] { return Reg.Arm_Count(K14) == 2; }, 20000));
    Reg.Report_Change(K14);
    ASSERT_TRUE(QTest::qWaitFor([&] { return N->Monitor()->Deliveries() == 2; }, 20000));
    EXPECT_EQ(A.Count, 2);
    delete N;   // stops and joins the thread
    EXPECT_EQ(Current_Theme_Notifier(), nullptr);
    EXPECT_EQ(Reg.Open_Watch_Count(), 0);
}

TEST(GridStyle, StopWhileASendWaitsDoesNotDeadlock)
{
    TFakeRegistry Reg;
    TRegistryGuard RG(Reg);
    Reg.Create_Key(QString(K12) + "\\General");
    QWidget Owner;
    auto *N = new TThemeNotifier(&Owner);
    ASSERT_NE(N->Monitor(), nullptr);
    EXPECT_EQ(N->Monitor()->Key, K12);
    TThemeListener A;
    N->RegisterWindow(&A);
    // the worker now waits for the user-interface thread, which does not run
    // events before the notifier is destroyed
    Reg.Report_Change(K12);
    delete N;
    QCoreApplication::processEvents();
    EXPECT_EQ(A.Count, 0);
}

TEST(GridStyle, MonitorFilterAndUnopenableKey)
{
    TFakeRegistry Reg;
    TRegistryGuard RG(Reg);
    Reg.Create_Key("Software\\Watched");
    QObject Ui;
    {
        TRegMonitorThread T(&Ui, nullptr);
        T.Key = "Software\\Watched";
        T.Filter = 0;   // armed with 15
        T.Start();
        EXPECT_TRUE(T.Running());
        EXPECT_EQ(Reg.Last_Filter("Software\\Watched"), 15);
        T.Stop();
        EXPECT_FALSE(T.Running());
    }
    TRegMonitorThread M(&Ui, nullptr);
    M.Key = "Software\\Missing";
    M.Start();
    EXPECT_FALSE(M.Running());
    EXPECT_EQ(M.Error(), "Unable to open registry key Software\\Missing");
}
} // namespace

// A control that takes styles and colour tones, found through its interfaces.
class TStyledControl : public QObject, public IQelStyle, public IQelTones {
    Q_OBJECT
    Q_INTERFACES(IQelStyle IQelTones)
public:
    void SetComponentStyle(TQelStyle AStyle) override { Style = AStyle; }
    void SetColorTones(TColorTones ATones) override { Tones = ATones; }
    TQelStyle Style = tsCustom;
    TColorTones Tones{};
};

TEST(GridStyle, InterfacesAreFoundByTheirIdentity)
{
    EXPECT_STREQ(qobject_interface_iid<IQelStyle *>(), "{11AC2DDC-C087-4298-AB6E-EA1B5017511B}");
    EXPECT_STREQ(qobject_interface_iid<IQelTones *>(), "{1F492643-6699-4F25-8B34-3233FA735036}");
    TStyledControl C;
    QObject Plain;
    QObject *Any = &C;
    IQelStyle *S = qobject_cast<IQelStyle *>(Any);
    IQelTones *T = qobject_cast<IQelTones *>(Any);
    ASSERT_NE(S, nullptr);
    ASSERT_NE(T, nullptr);
    EXPECT_EQ(qobject_cast<IQelStyle *>(&Plain), nullptr);
    S->SetComponentStyle(tsOffice2010Black);
    TColorTones Tones{};
    Tones.Selected.BrushColor = clRed;
    T->SetColorTones(Tones);
    EXPECT_EQ(C.Style, tsOffice2010Black);
    EXPECT_EQ(C.Tones.Selected.BrushColor, clRed);
}
#include "test_grid_style.moc"
