// The quick-configuration box of a grid being designed: where its lines
// are, what a click on each does, and that nothing of it shows at run time.
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// A grid on a shown window whose look menu answers a chosen identifier.
class TDesignGrid : public RIraRevadiVizo {
public:
    using RIraRevadiVizo::RIraRevadiVizo;
    int MenuAnswer = 0;
    int MenusShown = 0;
    int DesignLookMenu(QPoint) override
    {
        ++MenusShown;
        return MenuAnswer;
    }
};

struct TDesignWindow {
    QWidget Window;
    TDesignGrid *G = nullptr;
    int W = 0, H = 0;     // the grid's client size
    int TH = 0, LH = 0;   // text height of the box font, line height
    int Top = 0;          // the box's top
    TDesignWindow()
    {
        Window.resize(420, 280);
        G = new TDesignGrid(&Window);
        G->setGeometry(10, 10, 400, 250);
        G->Set_ColCount(4);
        G->Set_RowCount(5);
        Window.show();
        QCoreApplication::processEvents();
        W = G->viewport()->width();
        H = G->viewport()->height();
        TFont F;
        F.Name = QStringLiteral("Tahoma");
        F.Size = 8;
        TH = QFontMetrics(F.To_QFont()).height();
        LH = TH + 2;
        Top = H - (4 * TH + 18);
    }
    // The middle of box line N (1..3), a few pixels into its text.
    QPoint Line(int N) const { return {W - 140, Top + N * LH + 4 + LH / 2}; }
    QPoint Close() const { return {W - 8, Top + 8}; }
    QImage Shot() const { return G->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};
} // namespace

// The lines of the box by client point; no line outside it.
TEST(StringGridDesignHelper, HitTest)
{
    TDesignWindow D;
    struct TCase { const char *Name; QPoint At; int Want; };
    const TCase Cases[] = {
        {"CloseGlyph", D.Close(), 4},
        {"AllowEdit", D.Line(1), 1},
        {"ColumnNumbers", D.Line(2), 2},
        {"SetLook", D.Line(3), 3},
        {"TitleLine", {D.W - 140, D.Top + 6}, -1},
        {"LeftOfTheBox", {D.W - 151, D.Line(1).y()}, -1},
        {"RightOfAllowEdit", {D.W - 5, D.Line(1).y()}, -1},
        {"AboveTheBox", {D.W - 8, D.Top - 2}, -1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(D.G->DesignHelperHitTest(C.At.x(), C.At.y()), C.Want);
    }
}

// At run time the box is never drawn and the designer's question gets no
// answer; designed, the box shows and the lines take the mouse.
TEST(StringGridDesignHelper, OnlyWhileDesigned)
{
    TDesignWindow D;
    const QImage RunTime = D.Shot();
    EXPECT_EQ(D.G->CMDesignHitTest(D.Line(1).x(), D.Line(1).y()), 0);
    D.G->Set_ShowDesignHelper(false);
    EXPECT_EQ(D.Shot(), RunTime);
    D.G->Set_ShowDesignHelper(true);

    D.G->Set_Designing(true);
    const QImage Designed = D.Shot();
    EXPECT_NE(Designed, RunTime);
    // the box's frame in grey at its top-left corner, its face in clInfoBk
    EXPECT_EQ(Designed.pixel(D.W - 150, D.Top), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(Designed.pixel(D.W - 3, D.H - 3), qRgb(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(D.G->CMDesignHitTest(D.Line(2).x(), D.Line(2).y()), 1);
    EXPECT_EQ(D.G->CMDesignHitTest(5, 5), 0);
    Save_Screenshot(&D.Window, QStringLiteral("string_grid_design_helper"));

    // the close glyph hides the box until ShowDesignHelper is set again
    D.G->DesignHelperClick(D.Close().x(), D.Close().y());
    EXPECT_FALSE(D.G->ShowDesignHelper());
    EXPECT_EQ(D.Shot(), RunTime);
    const bool Editing = D.G->Options().Contains(goEditing);
    D.G->DesignHelperClick(D.Line(1).x(), D.Line(1).y());   // a closed box takes no clicks
    EXPECT_EQ(D.G->Options().Contains(goEditing), Editing);
    EXPECT_EQ(D.G->CMDesignHitTest(D.Line(1).x(), D.Line(1).y()), 0);
}

// What a click on each line does; "Allow edit" twice leaves editing as it was.
TEST(StringGridDesignHelper, Clicks)
{
    TDesignWindow D;
    D.G->Set_Designing(true);
    const bool Editing = D.G->Options().Contains(goEditing);
    D.G->DesignHelperClick(D.Line(1).x(), D.Line(1).y());
    EXPECT_NE(D.G->Options().Contains(goEditing), Editing);
    D.G->DesignHelperClick(D.Line(1).x(), D.Line(1).y());
    EXPECT_EQ(D.G->Options().Contains(goEditing), Editing);

    // column numbers: row 0 shows each column's real number
    const QImage Before = D.Shot();
    D.G->DesignHelperClick(D.Line(2).x(), D.Line(2).y());
    EXPECT_TRUE(D.G->ShowColNrs());
    const TRect Header = D.G->CellRect(1, 0);
    EXPECT_NE(D.Shot().copy(Header.To_QRect()), Before.copy(Header.To_QRect()));
    Save_Screenshot(&D.Window, QStringLiteral("string_grid_design_helper_column_numbers"));
    D.G->DesignHelperClick(D.Line(2).x(), D.Line(2).y());
    EXPECT_FALSE(D.G->ShowColNrs());

    // the look menu: the chosen identifier less one is the look; none keeps it
    struct TCase { const char *Name; int Answer; TGridLook Want; };
    const TCase Cases[] = {{"Windows7", 8, glWin7}, {"Office2007", 9, glOffice2007}, {"NoChoice", 0, glOffice2007}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        D.G->MenuAnswer = C.Answer;
        D.G->DesignHelperClick(D.Line(3).x(), D.Line(3).y());
        EXPECT_EQ(D.G->Look(), C.Want);
    }
    EXPECT_EQ(D.G->MenusShown, 3);
    // the window's size is back where it was after the nudge
    EXPECT_EQ(D.Window.width(), 420);

    const auto Items = RIraRevadiVizo::Design_Look_Menu_Items();
    QStringList Captions;
    for (const auto &[Caption, Id] : Items)
        Captions << Caption + QLatin1Char('=') + QString::number(Id);
    EXPECT_EQ(Captions, (QStringList{"Standard=1", "Soft=2", "Classic=3", "Qel=4", "ListView=6", "Office 2007=9",
                                     "Windows XP=5", "Windows Vista=7", "Windows 7=8"}));
    EXPECT_EQ(RIraRevadiVizo::Look_Display_Name(glWin7), QStringLiteral("Windows 7"));
    EXPECT_EQ(RIraRevadiVizo::Look_Display_Name(glOffice2007), QStringLiteral("Office2007"));
}
