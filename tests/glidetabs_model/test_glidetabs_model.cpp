#include "RecordingStrip.h"
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// ---- change notifications ----

// What tabs, the list, options and look and feel report to their strip, in order.
struct TNotifyCase
{
    const char *Name;
    const char *Tabs;                              // pattern for Make_Tabs
    std::function<void(TRecordingStrip &)> Action; // runs on a strip with the strip defaults
    QStringList Expected;
    const char *Order_After; // tabs afterwards (nullptr: not checked)
};

const TNotifyCase Notify_Cases[] = {
    {"CaptionSameSendsNothing", "A* B", [](TRecordingStrip &S) { S.Tab("A")->SetCaption("A"); }, {}, "A* B"},
    {"CaptionChanged", "A* B", [](TRecordingStrip &S) { S.Tab("B")->SetCaption("C"); }, {"C:tcPropertyUpdated"},
     "A* C"},
    {"ImageIndexSameSendsNothing", "A", [](TRecordingStrip &S) { S.Tab("A")->SetImageIndex(-1); }, {}, nullptr},
    {"SilentTabFields", "A",
     [](TRecordingStrip &S) {
         S.Tab("A")->SetTag(3);
         S.Tab("A")->SetHideCloseButton(true);
     },
     {}, nullptr},
    {"VisibleSameValueStillReports", "A* B", [](TRecordingStrip &S) { S.Tab("B")->SetVisible(true); },
     {"B:tcVisibility"}, nullptr},
    {"HidingTheActiveTabDeactivatesItFirst", "A* B", [](TRecordingStrip &S) { S.Tab("A")->SetVisible(false); },
     {"A:tcDeactivated", "A:tcPropertyUpdated", "A:tcVisibility"}, "A B"},
    {"ActivationDeactivatesTheOtherFirst", "A* B", [](TRecordingStrip &S) { S.Tab("B")->SetActive(true); },
     {"A:tcDeactivated", "A:tcPropertyUpdated", "B:tcActivated", "B:tcPropertyUpdated"}, "A B*"},
    {"RefusedActivationSendsNothing", "A* B",
     [](TRecordingStrip &S) {
         S.Allow_Activation = false;
         S.Tab("B")->SetActive(true);
     },
     {}, "A* B"},
    {"DeactivationLeavesNoActiveTab", "A* B", [](TRecordingStrip &S) { S.Tab("A")->SetActive(false); },
     {"A:tcDeactivated", "A:tcPropertyUpdated"}, "A B"},
    {"ActiveTabOfNullChangesNothing", "A* B", [](TRecordingStrip &S) { S.Tabs.SetActiveTab(nullptr); }, {}, "A* B"},
    {"PinningTheThirdOfFourMovesItToTheFront", "A* B C D", [](TRecordingStrip &S) { S.Tab("C")->SetPinned(true); },
     {"C:tcPinned", "A:tcDeactivated", "A:tcPropertyUpdated", "C:tcActivated", "C:tcPropertyUpdated"},
     "C*^ A B D"},
    {"UnpinningTheFirstOfTwoPinnedMovesItBehindTheOther", "A^ B^ C*",
     [](TRecordingStrip &S) { S.Tab("A")->SetPinned(false); },
     {"A:tcPinned", "C:tcDeactivated", "C:tcPropertyUpdated", "A:tcActivated", "A:tcPropertyUpdated"}, "B^ A* C"},
    {"PinningTwiceSendsNothing", "A^ B*", [](TRecordingStrip &S) { S.Tab("A")->SetPinned(true); }, {}, "A^ B*"},
    {"AddReports", "A*", [](TRecordingStrip &S) { S.Tabs.Add()->SetCaption("N"); },
      {":tcAdded", "N:tcPropertyUpdated"}, "A* N"},
    {"MoveReportsTheMovedTab", "A* B C", [](TRecordingStrip &S) { S.Tabs.Move(0, 2); }, {"A:tcMoved"}, "B C A*"},
    {"DeleteActiveMiddleAnimatedKeepsItMarked", "A B C* D E", [](TRecordingStrip &S) { S.Tabs.DeleteTab(2, false); },
     {"C:tcDeleting", "C:tcDeleted", "C:tcDeactivated", "C:tcPropertyUpdated", "D:tcActivated", "D:tcPropertyUpdated"},
     "A B C D* E"},
    {"DeleteActiveMiddleNowActivatesTheRightNeighbour", "A B C* D E",
     [](TRecordingStrip &S) { S.Tabs.DeleteTab(2, true); },
     {"C:tcDeleting", "-:tcDeleted", "D:tcActivated", "D:tcPropertyUpdated"}, "A B D* E"},
    {"DeleteWithoutMovementEaseIsImmediate", "A B C* D E",
     [](TRecordingStrip &S) {
         S.Options.Animation().SetDefaultMovementEaseType(ttNone);
         S.Tabs.DeleteTab(2, false);
     },
     {"C:tcDeleting", "-:tcDeleted", "D:tcActivated", "D:tcPropertyUpdated"}, "A B D* E"},
    {"DeleteActiveLastActivatesTheLeftNeighbour", "A B C*", [](TRecordingStrip &S) { S.Tabs.DeleteTab(2, true); },
     {"C:tcDeleting", "-:tcDeleted", "B:tcActivated", "B:tcPropertyUpdated"}, "A B*"},
    {"DeleteOnlyTabLeavesNoActiveTab", "A*", [](TRecordingStrip &S) { S.Tabs.DeleteTab(0, true); },
     {"A:tcDeleting", "-:tcDeleted"}, ""},
    {"DeleteInactiveKeepsTheActiveTab", "A* B C", [](TRecordingStrip &S) { S.Tabs.DeleteTab(1, true); },
     {"B:tcDeleting", "-:tcDeleted"}, "A* C"},
    {"SecondDeleteOfAMarkedTabRemovesItQuietly", "A B* C",
     [](TRecordingStrip &S) {
         S.Tabs.DeleteTab(1, false);
         S.Changes.clear();
         S.Tabs.DeleteTab(1, false);
     },
     {}, "A C*"},
    {"ReportedOptionWrite", "", [](TRecordingStrip &S) { S.Options.Display().Tabs().SetOffsetTop(7); },
     {"-:tcPropertyUpdated"}, nullptr},
    {"ReportedNestedOptionWrite", "",
     [](TRecordingStrip &S) { S.Options.Display().CloseButton().Offsets().SetVertical(1); }, {"-:tcPropertyUpdated"},
     nullptr},
    {"SilentOptionWrite", "", [](TRecordingStrip &S) { S.Options.Behaviour().SetActivateNewTab(false); }, {}, nullptr},
    {"SilentAnimationOptionWrite", "", [](TRecordingStrip &S) { S.Options.Animation().SetAnimationTimerInterval(5); },
     {}, nullptr},
    {"ReportedSubObjectWrite", "",
     [](TRecordingStrip &S) {
         TOptions Other(nullptr);
         S.Options.Display().SetTabs(Other.Display().Tabs());
     },
     {"-:tcPropertyUpdated"}, nullptr},
    {"UnreportedSubObjectWrite", "",
     [](TRecordingStrip &S) {
         TOptions Other(nullptr);
         S.Options.Display().SetCloseButton(Other.Display().CloseButton());
     },
     {}, nullptr},
    {"LookAndFeelLeafWrite", "",
     [](TRecordingStrip &S) { S.LookAndFeel.Tabs().Active().Style().SetStartColor(0x123456); },
     {"-:tcPropertyUpdated"}, nullptr},
    {"LookAndFeelWholeStateWriteIsSilent", "",
     [](TRecordingStrip &S) { S.LookAndFeel.Tabs().SetActive(S.LookAndFeel.Tabs().Hot()); }, {}, nullptr},
    {"BaseLineColourWrite", "", [](TRecordingStrip &S) { S.LookAndFeel.Tabs().BaseLine().SetColor(0x00FF00); },
     {"-:tcPropertyUpdated"}, nullptr},
    {"DrawnButtonStateChange", "",
     [](TRecordingStrip &S) {
         TAddButtonControl B(&S);
         B.SetDrawState(dsHot, 0, ttNone, false);
         B.SetDrawState(dsHot, 0, ttNone, false);
     },
     {"-:tcControlState"}, nullptr},
    {"CloseButtonStateChange", "A*",
     [](TRecordingStrip &S) {
         TGlideTabControl C(&S, S.Tab("A"));
         C.SetCloseButtonState(dsHot);
         C.SetCloseButtonState(dsHot);
     },
     {"A:tcControlState"}, nullptr},
};

TEST(GlideTabsNotify, ChangeNotificationsReachTheStrip)
{
    for (const TNotifyCase &C : Notify_Cases) {
        SCOPED_TRACE(C.Name);
        auto S = Default_Strip();
        S->Make_Tabs(C.Tabs);
        C.Action(*S);
        EXPECT_EQ(S->Changes, C.Expected);
        if (C.Order_After) {
            EXPECT_EQ(S->Order(), QString(C.Order_After));
        }
    }
}

TEST(GlideTabsNotify, ActivationClearsModifiedUnlessRefused)
{
    auto S = Default_Strip();
    S->Make_Tabs("A* B C");
    S->Tab("B")->SetModified(true);
    S->Tab("C")->SetModified(true);
    S->Allow_Activation = false;
    S->Tab("C")->SetActive(true);
    EXPECT_TRUE(S->Tab("C")->Modified());
    S->Allow_Activation = true;
    S->Tab("B")->SetActive(true);
    EXPECT_FALSE(S->Tab("B")->Modified());
}

TEST(GlideTabsList, ErrorsAndLookups)
{
    auto S = Default_Strip();
    S->Make_Tabs("A* B");
    try {
        S->Tabs.GetItem(2);
        FAIL();
    } catch (const EGlideTabsError &E) {
        EXPECT_STREQ(E.what(), "List index out of bounds (2)");
    }
    EXPECT_THROW(S->Tabs.DeleteTab(-1, true), EGlideTabsError);
    EXPECT_THROW(S->Tabs.Move(0, 5), EGlideTabsError);

    TRecordingStrip Other;
    Other.Make_Tabs("X");
    EXPECT_EQ(S->Tabs.IndexOf(Other.Tab("X")), -1);
    S->Tabs.SetActiveTab(Other.Tab("X"));
    EXPECT_EQ(S->Order(), "A* B");

    TGlideTabsList Orphan(nullptr);
    try {
        Orphan.Add();
        FAIL();
    } catch (const EGlideTabsError &E) {
        EXPECT_STREQ(E.what(), "Collection owner must support IGlideTabInterface");
    }
    EXPECT_EQ(Orphan.Count(), 0);
}

TEST(GlideTabsList, TabsStartWithTheirDefaultsWhenTheStripHearsOfThem)
{
    TRecordingStrip S;
    TGlideTab *T = S.Tabs.Add();
    EXPECT_EQ(T->ImageIndex(), -1);
    EXPECT_EQ(T->ImageIndexOverlay(), -1);
    EXPECT_TRUE(T->Visible());
    EXPECT_FALSE(T->ImageIsVisible());
    T->SetCaption("Cap");
    T->SetPinned(true);
    EXPECT_EQ(T->DisplayCaption(), "");
    EXPECT_EQ(T->GetDisplayName(), "Cap");
}

TEST(GlideTabsList, AssignCopiesTheStoredProperties)
{
    auto S = Default_Strip();
    S->Make_Tabs("A B* C");
    S->Tab("C")->SetImageIndex(4);
    TRecordingStrip Target;
    Target.Make_Tabs("X");
    Target.Tabs.Assign(S->Tabs);
    EXPECT_EQ(Target.Order(), "A B* C");
    EXPECT_EQ(Target.Tab("C")->ImageIndex(), 4);
    EXPECT_EQ(Target.Changes.last(), "-:tcPropertyUpdated");
    EXPECT_EQ(Target.Changes.count(":tcAdded"), 3); // one add per copied tab
}

// A polygon list fills only where there is a brush and outlines only where there is a pen.
TEST(GlideTabsPolygons, DrawToHonoursBrushAndPen)
{
    QImage Image(20, 10, QImage::Format_ARGB32_Premultiplied);
    const TAAPen Pen{0xFF000000, 1.0};
    const TAABrush Brush = TAABrush::Solid(0xFFFF0000);
    const TPolygon Box{{2, 2}, {8, 2}, {8, 8}, {2, 8}};
    auto Draw = [&](const TAABrush *B, TDrawToFunctions F) {
        Image.fill(Qt::white);
        QPainter P(&Image);
        TAACanvas C(P);
        TGlideTabPolygons L;
        L.AddPolygon(Box, B, &Pen).AddPolygon({{12, 2}, {18, 2}, {18, 8}, {12, 8}}, B, nullptr);
        L.DrawTo(C, F);
    };
    Draw(nullptr, dfBrushAndPen);
    EXPECT_EQ(QColor(Image.pixel(5, 5)), QColor(Qt::white)); // no fill
    EXPECT_NE(QColor(Image.pixel(2, 5)), QColor(Qt::white)); // outline
    Draw(nullptr, dfBrush);
    EXPECT_EQ(QColor(Image.pixel(2, 5)), QColor(Qt::white));
    Draw(&Brush, dfBrush);
    EXPECT_EQ(QColor(Image.pixel(5, 5)), QColor(Qt::red));
    EXPECT_EQ(QColor(Image.pixel(15, 5)), QColor(Qt::red));
}

// ---- option and look-and-feel defaults ----

// Each property path with its constructor value and the value every new strip starts with.
struct TDefaultCase
{
    const char *Path;
    const char *Constructor;
    const char *Strip;
};

const TDefaultCase Option_Defaults[] = {
    {"Display.Tabs.SeeThroughTabs", "False", "False"},
    {"Display.Tabs.TabOverlap", "15", "15"},
    {"Display.Tabs.ContentOffsetLeft", "18", "18"},
    {"Display.Tabs.ContentOffsetRight", "16", "16"},
    {"Display.Tabs.OffsetTop", "0", "4"},
    {"Display.Tabs.MinWidth", "20", "25"},
    {"Display.Tabs.MaxWidth", "200", "200"},
    {"Display.Tabs.TabWidthFromContent", "False", "False"},
    {"Display.Tabs.PinnedWidth", "39", "39"},
    {"Display.Tabs.ImageOffsetLeft", "13", "13"},
    {"Display.Tabs.TextTrimType", "tttFade", "tttFade"},
    {"Display.Tabs.Orientation", "toTop", "toTop"},
    {"Display.Tabs.TextAlignmentHorizontal", "taLeftJustify", "taLeftJustify"},
    {"Display.Tabs.TextAlignmentVertical", "taVerticalCenter", "taVerticalCenter"},
    {"Display.Tabs.ShowImages", "True", "True"},
    {"Display.Tabs.ShowPinnedTabText", "False", "False"},
    {"Display.CloseButton.Offsets.Vertical", "6", "6"},
    {"Display.CloseButton.Offsets.Horizontal", "0", "2"},
    {"Display.CloseButton.Height", "13", "14"},
    {"Display.CloseButton.Width", "13", "14"},
    {"Display.CloseButton.AutoHide", "True", "True"},
    {"Display.CloseButton.Visibility", "bvAll", "bvAll"},
    {"Display.CloseButton.AutoHideWidth", "20", "20"},
    {"Display.CloseButton.CrossRadialOffset", "4", "4"},
    {"Display.AddButton.Offsets.Vertical", "9", "10"},
    {"Display.AddButton.Offsets.Horizontal", "0", "2"},
    {"Display.AddButton.Height", "14", "14"},
    {"Display.AddButton.Width", "25", "31"},
    {"Display.AddButton.ShowPlusSign", "True", "False"},
    {"Display.AddButton.Visibility", "avRightFloating", "avRightFloating"},
    {"Display.AddButton.HorizontalOffsetFloating", "0", "-3"},
    {"Display.ScrollButtonLeft.Offsets.Vertical", "10", "10"},
    {"Display.ScrollButtonLeft.Offsets.Horizontal", "0", "1"},
    {"Display.ScrollButtonRight.Offsets.Horizontal", "0", "1"},
    {"Display.ScrollButtonRight.Width", "15", "15"},
    {"Display.TabModifiedGlow.Style", "msRightToLeft", "msRightToLeft"},
    {"Display.TabModifiedGlow.VerticalOffset", "-6", "-6"},
    {"Display.TabModifiedGlow.AnimationPeriodMS", "4000", "4000"},
    {"Display.TabModifiedGlow.EaseType", "ttEaseInOutQuad", "ttEaseInOutQuad"},
    {"Display.TabContainer.TransparentBackground", "False", "True"},
    {"Display.TabContainer.OverlayButtons", "False", "True"},
    {"Display.TabMouseGlow.Height", "70", "200"},
    {"Display.TabMouseGlow.Width", "70", "200"},
    {"Display.TabMouseGlow.Visible", "True", "True"},
    {"Display.TabSpinners.Upload.ReverseDirection", "True", "True"},
    {"Display.TabSpinners.Upload.RenderedAnimationStep", "2", "2"},
    {"Display.TabSpinners.Upload.Position.Height", "16", "16"},
    {"Display.TabSpinners.Upload.SweepAngle", "135", "135"},
    {"Display.TabSpinners.Download.ReverseDirection", "False", "False"},
    {"Display.TabSpinners.Download.RenderedAnimationStep", "5", "5"},
    {"Display.TabSpinners.AnimationUpdateMS", "50", "50"},
    {"Display.TabSpinners.HideImagesWhenSpinnerVisible", "True", "True"},
    {"DragDrop.DragType", "dtBetweenContainers", "dtBetweenContainers"},
    {"DragDrop.DragOutsideImageAlpha", "120", "220"},
    {"DragDrop.DragControlImageResizeFactor", "0.5", "0.5"},
    {"DragDrop.DragFormBorderColor", "8421504", "8421504"},
    {"DragDrop.ContrainDraggedTabWithinContainer", "True", "True"},
    {"Animation.DefaultMovementAnimationTimeMS", "100", "100"},
    {"Animation.DefaultStyleAnimationTimeMS", "300", "300"},
    {"Animation.AnimationTimerInterval", "25", "15"},
    {"Animation.MinimumTabAnimationWidth", "40", "40"},
    {"Animation.DefaultMovementEaseType", "ttLinearTween", "ttLinearTween"},
    {"Animation.MovementAnimations.TabAdd.EaseType", "ttLinearTween", "ttEaseOutExpo"},
    {"Animation.MovementAnimations.TabAdd.AnimationTimeMS", "200", "500"},
    {"Animation.MovementAnimations.TabDelete.UseDefaultEaseType", "True", "True"},
    {"Animation.MovementAnimations.TabMove.UseDefaultEaseType", "False", "False"},
    {"Animation.MovementAnimations.TabMove.EaseType", "ttEaseOutExpo", "ttEaseOutExpo"},
    {"Behaviour.BackgroundDblClickMaximiseRestoreForm", "False", "True"},
    {"Behaviour.BackgroundDragMovesForm", "False", "True"},
    {"Behaviour.TabSmartDeleteResizeCancelDelay", "700", "700"},
    {"Behaviour.DebugMode", "False", "False"},
    {"Scrolling.Enabled", "False", "True"},
    {"Scrolling.ScrollButtons", "csbRight", "csbRight"},
    {"Scrolling.AutoHideButtons", "True", "False"},
    {"Scrolling.DragScrollOffset", "50", "50"},
};

const TDefaultCase Look_Defaults[] = {
    {"TabsContainer.StartColor", "16777215", "14586466"},
    {"TabsContainer.StopColor", "16777215", "13201730"},
    {"TabsContainer.OutlineColor", "8421504", "14520930"},
    {"TabsContainer.OutlineSize", "0", "0"},
    {"TabsContainer.OutlineAlpha", "255", "0"},
    {"Tabs.BaseLine.Color", "8421504", "11110509"},
    {"Tabs.BaseLine.Thickness", "2", "1"},
    {"Tabs.BaseLine.Alpha", "255", "255"},
    {"Tabs.Modified.CentreAlpha", "180", "130"},
    {"Tabs.MouseGlow.CentreAlpha", "180", "120"},
    {"Tabs.MouseGlow.OutsideAlpha", "0", "0"},
    {"Tabs.DefaultFont.Name", "'Segoe UI'", "'Segoe UI'"},
    {"Tabs.DefaultFont.Size", "9", "9"},
    {"Tabs.DefaultFont.TextRendoringMode", "TextRenderingHintClearTypeGridFit", "TextRenderingHintClearTypeGridFit"},
    {"Tabs.Spinners.Upload.Color", "12759975", "12759975"},
    {"Tabs.Spinners.Download.Thickness", "2.5", "2.5"},
    {"Tabs.Active.Font.Color", "0", "32896"},
    {"Tabs.Active.Font.Alpha", "255", "100"},
    {"Tabs.Active.Font.UseDefaultFont", "True", "True"},
    {"Tabs.Active.Style.StopColor", "16777215", "16316920"},
    {"Tabs.Active.Style.OutlineColor", "8421504", "10189918"},
    {"Tabs.NotActive.Font.Color", "0", "4603477"},
    {"Tabs.NotActive.Font.UseDefaultFont", "True", "False"},
    {"Tabs.NotActive.Style.StartAlpha", "255", "210"},
    {"Tabs.NotActive.Style.OutlineAlpha", "255", "215"},
    {"Tabs.Hot.Font.Color", "0", "4210752"},
    {"Tabs.Hot.Style.StartColor", "16777215", "15721176"},
    {"Tabs.Hot.Style.OutlineAlpha", "255", "235"},
    {"CloseButton.Cross.Normal.Color", "12103593", "6643031"},
    {"CloseButton.Cross.Normal.Thickness", "1", "1.5"},
    {"CloseButton.Cross.Hot.Alpha", "240", "220"},
    {"CloseButton.Cross.Down.Color", "255", "15461369"},
    {"CloseButton.Circle.Normal.StartColor", "16777215", "-16777189"},
    {"CloseButton.Circle.Normal.StopColor", "16777215", "536870911"},
    {"CloseButton.Circle.Normal.StartAlpha", "255", "0"},
    {"CloseButton.Circle.Hot.StartColor", "3487169", "9408475"},
    {"CloseButton.Circle.Down.OutlineAlpha", "0", "255"},
    {"AddButton.Button.Normal.StartColor", "16777215", "14340292"},
    {"AddButton.Button.Hot.OutlineColor", "8421504", "14927787"},
    {"AddButton.PlusSign.Down.StartColor", "16777215", "16777215"},
    {"ScrollButtons.Button.Normal.StopColor", "16777215", "14274499"},
    {"ScrollButtons.Button.Disabled.StartAlpha", "255", "150"},
    {"ScrollButtons.Button.Disabled.OutlineAlpha", "255", "100"},
    {"ScrollButtons.Arrow.Hot.OutlineAlpha", "255", "200"},
    {"ScrollButtons.Arrow.Disabled.StartColor", "16777215", "12632256"},
};

TEST(GlideTabsDefaults, OptionsFromConstructorAndStrip)
{
    TOptions Bare(nullptr);
    TOptions Strip(nullptr);
    SetDefaultOptions(Strip);
    for (const TDefaultCase &C : Option_Defaults) {
        SCOPED_TRACE(C.Path);
        EXPECT_EQ(Bare.Get_Property_Text(C.Path), C.Constructor);
        EXPECT_EQ(Strip.Get_Property_Text(C.Path), C.Strip);
    }
    EXPECT_EQ(Strip.Display().Tabs().CanvasSmoothingMode(), 2);
}

TEST(GlideTabsDefaults, LookAndFeelFromConstructorAndStrip)
{
    TGlideTabsLookAndFeel Bare(nullptr);
    TGlideTabsLookAndFeel Strip(nullptr);
    SetDefaultLookAndFeel(Strip);
    for (const TDefaultCase &C : Look_Defaults) {
        SCOPED_TRACE(C.Path);
        EXPECT_EQ(Bare.Get_Property_Text(C.Path), C.Constructor);
        EXPECT_EQ(Strip.Get_Property_Text(C.Path), C.Strip);
    }
}

TEST(GlideTabsDefaults, StripDefaultsNotifyTheStrip)
{
    TRecordingStrip S;
    SetDefaultOptions(S.Options);
    EXPECT_FALSE(S.Changes.isEmpty());
    EXPECT_EQ(S.Changes.count("-:tcPropertyUpdated"), S.Changes.size());
}

TEST(GlideTabsOptions, MaxWidthNeverBelowMinWidth)
{
    TOptions O(nullptr);
    SetDefaultOptions(O);
    O.Display().Tabs().SetMaxWidth(10);
    EXPECT_EQ(O.Display().Tabs().MaxWidth(), 25);
    O.Display().Tabs().SetMinWidth(300);
    EXPECT_EQ(O.Display().Tabs().MinWidth(), 300);
    EXPECT_EQ(O.Display().Tabs().MaxWidth(), 25);
}

TEST(GlideTabsOptions, MovementAnimationResolution)
{
    TOptions O(nullptr);
    SetDefaultOptions(O);
    TGlideTabsAnimationOptions &A = O.Animation();
    TGlideTabsMovementAnimations &M = A.MovementAnimations();
    EXPECT_EQ(A.GetMovementAnimationTime(M.TabMove()), 500u);
    EXPECT_EQ(A.GetMovementAnimationTime(M.TabAdd()), 100u);
    EXPECT_EQ(A.GetMovementAnimationEaseType(M.TabDelete()), ttLinearTween);
    M.TabAdd().SetUseDefaultAnimationTime(false);
    EXPECT_EQ(A.GetMovementAnimationTime(M.TabAdd()), 500u);
}

TEST(GlideTabsOptions, AssigningAnotherClassIsRefused)
{
    TOptions O(nullptr);
    try {
        O.Display().Tabs().Assign(O.Display().TabContainer());
        FAIL();
    } catch (const EGlideTabsError &E) {
        EXPECT_STREQ(E.what(), "Cannot assign a TGlideTabsContainerOptions to a TGlideTabsOptions");
    }
}

TEST(GlideTabsText, ComponentTextRoundTripsAndPrintsAsCode)
{
    TGlideTabsLookAndFeel Source(nullptr);
    SetDefaultLookAndFeel(Source);
    Source.Tabs().BaseLine().SetColor(0x123456);
    Source.Tabs().DefaultFont().SetName("It's");
    const QString Text = WriteComponentText(Source, "TTabsLookAndFeel", "LookAndFeel");
    EXPECT_TRUE(Text.startsWith("object TabsLookAndFeel: TTabsLookAndFeel\r\n"));
    EXPECT_TRUE(Text.contains("  LookAndFeel.Tabs.BaseLine.Color = 1193046\r\n"));
    EXPECT_FALSE(Text.contains("TabsContainer.OutlineSize")); // a floating 0 is not stored
    EXPECT_TRUE(Text.endsWith("end\r\n"));

    TGlideTabsLookAndFeel Target(nullptr);
    ReadComponentText(Target, Text, "LookAndFeel");
    EXPECT_EQ(WriteComponentText(Target, "TTabsLookAndFeel", "LookAndFeel"), Text);
    EXPECT_EQ(Target.Tabs().DefaultFont().Name(), "It's");

    const QString Code = ComponentAsCode(Source, "TTabsLookAndFeel", "LookAndFeel", "GlideTabs1");
    EXPECT_TRUE(Code.contains("GlideTabs1.LookAndFeel.Tabs.BaseLine.Color := 1193046;\r\n"));
    EXPECT_FALSE(Code.contains("object"));
}

TEST(GlideTabsText, ReadingStopsAtTheFirstBadLineAndNamesIt)
{
    TOptions O(nullptr);
    const QString Text = "object TabsOptions1: TTabsOptions\n  Options.Display.Tabs.MinWidth = 33\n"
                         "  Options.Display.Tabs.Orientation = sideways\nend\n";
    try {
        ReadComponentText(O, Text, "Options");
        FAIL();
    } catch (const EGlideTabsError &E) {
        EXPECT_TRUE(QString(E.what()).startsWith("Line 3:")) << E.what();
    }
    EXPECT_EQ(O.Display().Tabs().MinWidth(), 33);
    EXPECT_THROW(O.Get_Property_Text("Display.Nothing"), EGlideTabsError);
}

// ---- look-and-feel drawing objects ----

TEST(GlideTabsLook, BaseLinePenIsRebuiltAfterAColourChange)
{
    auto S = Default_Strip();
    TGlideTabsLookAndFeelPen &P = S->LookAndFeel.Tabs().BaseLine();
    EXPECT_EQ(P.GetPen().Color, 0xFF6D88A9u);
    P.SetColor(0x0000FF);
    EXPECT_EQ(P.GetPen().Color, 0xFFFF0000u);
    EXPECT_EQ(S->Changes, QStringList{"-:tcPropertyUpdated"});
}

// An alpha written beyond the byte range is clamped instead of wrapping to transparent.
TEST(GlideTabsLook, PenAlphaIsClampedWhenWritten)
{
    TGlideTabsLookAndFeel L(nullptr);
    L.Tabs().BaseLine().SetAlpha(256);
    EXPECT_EQ(L.Tabs().BaseLine().Alpha(), 255);
    EXPECT_EQ(Argb_A(L.Tabs().BaseLine().GetPen().Color), 255);
    L.Tabs().BaseLine().SetAlpha(-4);
    EXPECT_EQ(L.Tabs().BaseLine().Alpha(), 0);
}

TEST(GlideTabsLook, StyleBrushIsBuiltForTheFirstRectangleUntilInvalidated)
{
    TGlideTabsLookAndFeel L(nullptr);
    TGlideTabsLookAndFeelStyle &Style = L.TabsContainer();
    const TAABrush *First = &Style.GetBrush({0, 10, 100, 30});
    EXPECT_EQ(&Style.GetBrush({0, 50, 100, 90}), First);
    EXPECT_EQ(Style.GetBrush({0, 50, 100, 90}).Point1().y(), 10);
    L.Invalidate();
    EXPECT_EQ(Style.GetBrush({0, 50, 100, 90}).Point1().y(), 50);
}

} // namespace
