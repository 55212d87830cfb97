#include "dropdowns/DbgList.h"
#include "dropdowns/DropDownAppearance.h"
#include <QObject>
#include <gtest/gtest.h>

namespace {
// Counts the notices of one appearance and the collection beneath it.
struct TNotices {
    int Change = 0;
    int Buttons = 0;
    TObject *Last_Sender = nullptr;
    template <class A> void Listen(A &Look)
    {
        Look.OnChange = [this](TObject *S) { ++Change; Last_Sender = S; };
        Look.OnButtonsChanged = [this](TObject *S) { ++Buttons; Last_Sender = S; };
    }
};

template <class A> void Expect_Bar_Defaults(const A &L, QObject *Owner)
{
    EXPECT_EQ(L.GetOwner(), Owner);
    EXPECT_TRUE(L.Visible());
    EXPECT_EQ(L.Height(), 22);
    EXPECT_EQ(L.BorderWidth(), 1);
    EXPECT_EQ(L.ImageIndex(), -1);
    EXPECT_EQ(L.Caption(), "");
    EXPECT_EQ(L.ColorTo(), clWhite);
    EXPECT_EQ(L.Color(), clSilver);
    EXPECT_EQ(L.BorderColor(), clBlack);
    EXPECT_EQ(L.Font().Name, "Tahoma");
    EXPECT_EQ(L.GradientDirection(), gdVertical);
    EXPECT_EQ(L.ButtonAlignment(), baRight);
    EXPECT_EQ(L.Buttons().Count(), 0);
    EXPECT_EQ(L.Buttons().GetOwner(), Owner);
}

// A look different from the defaults in every value, with two buttons.
template <class A> void Make_Different(A &L)
{
    L.Set_Color(clRed);
    L.Set_ColorTo(clNone);
    L.Set_BorderColor(clBlue);
    L.Set_Caption("<b>Pick</b>");
    TFont F;
    F.Name = "Arial";
    F.Size = 11;
    F.Color = clGreen;
    F.Style = {fsBold};
    L.Set_Font(F);
    L.Set_ImageIndex(3);
    L.Set_BorderWidth(2);
    L.Set_GradientDirection(gdHorizontal);
    L.Set_Height(30);
    L.Set_Visible(false);
    L.Set_ButtonAlignment(baLeft);
    auto &B0 = L.Buttons().Add();
    B0.Set_Caption("OK");
    B0.Set_Width(40);
    auto &B1 = L.Buttons().Add();
    B1.Set_Caption("Cancel");
    B1.Set_Enabled(false);
    B1.Set_ImageIndex(2);
    B1.Set_Height(18);
}

template <class A> void Expect_Same_Look(const A &L, const A &Source)
{
    EXPECT_EQ(L.Color(), Source.Color());
    EXPECT_EQ(L.ColorTo(), Source.ColorTo());
    EXPECT_EQ(L.BorderColor(), Source.BorderColor());
    EXPECT_EQ(L.Caption(), Source.Caption());
    EXPECT_EQ(L.Font(), Source.Font());
    EXPECT_EQ(L.ImageIndex(), Source.ImageIndex());
    EXPECT_EQ(L.BorderWidth(), Source.BorderWidth());
    EXPECT_EQ(L.GradientDirection(), Source.GradientDirection());
    EXPECT_EQ(L.Height(), Source.Height());
    EXPECT_EQ(L.Visible(), Source.Visible());
    EXPECT_EQ(L.ButtonAlignment(), Source.ButtonAlignment());
    ASSERT_EQ(L.Buttons().Count(), Source.Buttons().Count());
    for (int I = 0; I < L.Buttons().Count(); ++I) {
        SCOPED_TRACE(I);
        const auto &B = L.Buttons().Items(I);
        const auto &S = Source.Buttons().Items(I);
        EXPECT_NE(&B, &S);
        EXPECT_EQ(B.Caption(), S.Caption());
        EXPECT_EQ(B.ImageIndex(), S.ImageIndex());
        EXPECT_EQ(B.Enabled(), S.Enabled());
        EXPECT_EQ(B.Width(), S.Width());
        EXPECT_EQ(B.Height(), S.Height());
        EXPECT_EQ(B.Collection(), &L.Buttons());
        EXPECT_EQ(B.Index(), I);
    }
}
} // namespace

TEST(BarAppearance, Defaults)
{
    QObject Owner;
    THeaderAppearance H(&Owner);
    Expect_Bar_Defaults(H, &Owner);
    TFooterAppearance F(&Owner);
    Expect_Bar_Defaults(F, &Owner);
    EXPECT_TRUE(F.SizeGrip());
    const THeaderButton B;
    EXPECT_EQ(B.Caption(), "");
    EXPECT_EQ(B.ImageIndex(), -1);
    EXPECT_TRUE(B.Enabled());
    EXPECT_EQ(B.Width(), 0);
    EXPECT_EQ(B.Height(), 0);
    EXPECT_EQ(B.Index(), -1);
    EXPECT_EQ(TFooterButton().ModalResult(), mrNone);
}

// Only a change of Visible is reported; every other value is stored silently.
TEST(BarAppearance, OnlyVisibleChangeNotifies)
{
    THeaderAppearance H;
    TNotices N;
    N.Listen(H);
    const struct {
        const char *Name;
        std::function<void()> Set;
        int Changes;
    } Cases[] = {
        {"VisibleSame", [&] { H.Set_Visible(true); }, 0},
        {"VisibleOff", [&] { H.Set_Visible(false); }, 1},
        {"VisibleOffAgain", [&] { H.Set_Visible(false); }, 0},
        {"VisibleOn", [&] { H.Set_Visible(true); }, 1},
        {"Color", [&] { H.Set_Color(clRed); }, 0},
        {"ColorTo", [&] { H.Set_ColorTo(clNone); }, 0},
        {"Caption", [&] { H.Set_Caption("x"); }, 0},
        {"Height", [&] { H.Set_Height(40); }, 0},
        {"BorderColor", [&] { H.Set_BorderColor(clRed); }, 0},
        {"BorderWidth", [&] { H.Set_BorderWidth(3); }, 0},
        {"ImageIndex", [&] { H.Set_ImageIndex(1); }, 0},
        {"GradientDirection", [&] { H.Set_GradientDirection(gdHorizontal); }, 0},
        {"ButtonAlignment", [&] { H.Set_ButtonAlignment(baLeft); }, 0},
        {"Font", [&] { TFont F; F.Name = "Arial"; H.Set_Font(F); }, 0},
    };
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        N = TNotices{};
        N.Listen(H);
        Case.Set();
        EXPECT_EQ(N.Change, Case.Changes);
        EXPECT_EQ(N.Buttons, 0);
        if (Case.Changes) {
            EXPECT_EQ(N.Last_Sender, &H);
        }
    }
    EXPECT_EQ(H.Font().Name, "Arial");
    EXPECT_EQ(H.Height(), 40);
}

// Caption, Enabled and Width report through the collection to the
// appearance; Height, ImageIndex and ModalResult are stored silently.
TEST(BarAppearance, ButtonChangesReachTheAppearance)
{
    TFooterAppearance F;
    TNotices N;
    N.Listen(F);
    int Collection_Changes = 0;
    TFooterButton &B = F.Buttons().Add();
    auto Wired = F.Buttons().OnChange;
    F.Buttons().OnChange = [&](TObject *S) {
        ++Collection_Changes;
        EXPECT_EQ(S, &F.Buttons());
        Wired(S);
    };
    const struct {
        const char *Name;
        std::function<void()> Set;
        int Changes;
    } Cases[] = {
        {"Caption", [&] { B.Set_Caption("Close"); }, 1},
        {"CaptionSame", [&] { B.Set_Caption("Close"); }, 0},
        {"Enabled", [&] { B.Set_Enabled(false); }, 1},
        {"EnabledSame", [&] { B.Set_Enabled(false); }, 0},
        {"Width", [&] { B.Set_Width(50); }, 1},
        {"WidthSame", [&] { B.Set_Width(50); }, 0},
        {"Height", [&] { B.Set_Height(40); }, 0},
        {"ImageIndex", [&] { B.Set_ImageIndex(4); }, 0},
        {"ModalResult", [&] { B.Set_ModalResult(mrOk); }, 0},
    };
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        N = TNotices{};
        N.Listen(F);
        Collection_Changes = 0;
        Case.Set();
        EXPECT_EQ(Collection_Changes, Case.Changes);
        EXPECT_EQ(N.Buttons, Case.Changes);
        EXPECT_EQ(N.Change, 0);
        if (Case.Changes) {
            EXPECT_EQ(N.Last_Sender, &F);
        }
    }
    EXPECT_EQ(B.Height(), 40);
    EXPECT_EQ(B.ModalResult(), mrOk);
}

TEST(BarAppearance, HeaderAssignCopiesEverythingButOwnerAndEvents)
{
    QObject Owner_A, Owner_B;
    THeaderAppearance Source(&Owner_A), Target(&Owner_B);
    Make_Different(Source);
    TNotices N;
    N.Listen(Target);
    int Height_Seen = 0;
    Target.OnChange = [&](TObject *) {
        ++N.Change;
        Height_Seen = Target.Height();   // values before Visible are already in place
    };
    Target.Assign(Source);
    Expect_Same_Look(Target, Source);
    EXPECT_EQ(Target.GetOwner(), &Owner_B);
    EXPECT_EQ(N.Change, 1);
    EXPECT_EQ(Height_Seen, 30);
    EXPECT_GT(N.Buttons, 0);
    EXPECT_FALSE(Source.OnChange);
    // Assign replaces the buttons rather than adding to them.
    Target.Assign(Source);
    EXPECT_EQ(Target.Buttons().Count(), 2);
}

TEST(BarAppearance, FooterAssignCopiesSizeGripAndModalResults)
{
    TFooterAppearance Source, Target;
    Make_Different(Source);
    Source.Set_SizeGrip(false);
    Source.Buttons().Items(1).Set_ModalResult(mrCancel);
    Target.Assign(Source);
    Expect_Same_Look(Target, Source);
    EXPECT_FALSE(Target.SizeGrip());
    EXPECT_EQ(Target.Buttons().Items(0).ModalResult(), mrNone);
    EXPECT_EQ(Target.Buttons().Items(1).ModalResult(), mrCancel);
}

// Copying a look onto itself keeps it (the buttons are not cleared first).
TEST(BarAppearance, AssignToItselfKeepsButtons)
{
    THeaderAppearance H;
    Make_Different(H);
    H.Assign(H);
    ASSERT_EQ(H.Buttons().Count(), 2);
    EXPECT_EQ(H.Buttons().Items(1).Caption(), "Cancel");
    H.Set_Buttons(H.Buttons());
    EXPECT_EQ(H.Buttons().Count(), 2);
    TFooterAppearance F;
    Make_Different(F);
    F.Assign(F);
    EXPECT_EQ(F.Buttons().Count(), 2);
}

// AssignColors takes the colours, font and direction only.
TEST(BarAppearance, AssignColorsCopiesOnlyColoursAndFont)
{
    THeaderAppearance Source, Target;
    Make_Different(Source);
    TNotices N;
    N.Listen(Target);
    Target.AssignColors(Source);
    EXPECT_EQ(Target.Color(), clRed);
    EXPECT_EQ(Target.ColorTo(), clNone);
    EXPECT_EQ(Target.BorderColor(), clBlue);
    EXPECT_EQ(Target.Font(), Source.Font());
    EXPECT_EQ(Target.GradientDirection(), gdHorizontal);
    EXPECT_EQ(Target.Caption(), "");
    EXPECT_EQ(Target.Height(), 22);
    EXPECT_EQ(Target.BorderWidth(), 1);
    EXPECT_EQ(Target.ImageIndex(), -1);
    EXPECT_TRUE(Target.Visible());
    EXPECT_EQ(Target.ButtonAlignment(), baRight);
    EXPECT_EQ(Target.Buttons().Count(), 0);
    EXPECT_EQ(N.Change + N.Buttons, 0);
    TFooterAppearance FS, FT;
    Make_Different(FS);
    FS.Set_SizeGrip(false);
    FT.AssignColors(FS);
    EXPECT_EQ(FT.Color(), clRed);
    EXPECT_TRUE(FT.SizeGrip());
    EXPECT_EQ(FT.Buttons().Count(), 0);
}

TEST(BarButtons, InsertIndexSetItemAndBadIndexes)
{
    THeaderButtons Buttons(nullptr);
    Buttons.Add().Set_Caption("A");
    Buttons.Add().Set_Caption("C");
    THeaderButton &B = Buttons.Insert(1);
    B.Set_Caption("B");
    ASSERT_EQ(Buttons.Count(), 3);
    EXPECT_EQ(Buttons.Items(1).Caption(), "B");
    EXPECT_EQ(Buttons.Items(2).Index(), 2);
    THeaderButton Model;
    Model.Set_Caption("M");
    Model.Set_Width(33);
    Buttons.SetItem(0, Model);
    EXPECT_EQ(Buttons.Items(0).Caption(), "M");
    EXPECT_EQ(Buttons.Items(0).Width(), 33);
    EXPECT_EQ(Buttons.Items(0).Collection(), &Buttons);
    Buttons.Delete(0);
    EXPECT_EQ(Buttons.Items(0).Caption(), "B");
    const struct {
        const char *Name;
        std::function<void()> Call;
    } Bad[] = {
        {"ReadAtCount", [&] { Buttons.Items(2); }},
        {"ReadNegative", [&] { Buttons.Items(-1); }},
        {"InsertBeyondEnd", [&] { Buttons.Insert(3); }},
        {"DeleteAtCount", [&] { Buttons.Delete(2); }},
        {"SetItemAtCount", [&] { Buttons.SetItem(2, Model); }},
    };
    for (const auto &Case : Bad) {
        SCOPED_TRACE(Case.Name);
        EXPECT_THROW(Case.Call(), EListError);
    }
    EXPECT_EQ(Buttons.Count(), 2);
}

TEST(DbgList, CheckedAccessAndAssign)
{
    int A = 1, B = 2, C = 3;
    TDbgList<int> L;
    L.Add(&A);
    L.Add(&B);
    L.SetItemsEx(1, &C);
    EXPECT_EQ(L.GetItemsEx(1), &C);
    const struct {
        const char *Name;
        std::function<void()> Call;
        const char *Message;
    } Bad[] = {
        {"ReadAtCount", [&] { L.GetItemsEx(2); }, "Index out of bounds in list read access"},
        {"WriteAtCount", [&] { L.SetItemsEx(2, &A); }, "Index out of bounds in list write access"},
        {"ReadNegative", [&] { L.GetItemsEx(-1); }, "List index out of bounds (-1)"},
        {"WriteNegative", [&] { L.SetItemsEx(-3, &A); }, "List index out of bounds (-3)"},
    };
    for (const auto &Case : Bad) {
        SCOPED_TRACE(Case.Name);
        try {
            Case.Call();
            ADD_FAILURE() << "no exception";
        } catch (const EListError &E) {
            EXPECT_STREQ(E.what(), Case.Message);
        }
    }
    TDbgList<int> Copy;
    Copy.Add(&C);
    Copy.AssignList(L);
    ASSERT_EQ(Copy.Count(), 2);
    EXPECT_EQ(Copy.GetItemsEx(0), &A);
    EXPECT_EQ(Copy.GetItemsEx(1), &C);
    Copy.AssignList(Copy);
    EXPECT_EQ(Copy.Count(), 2);
}
