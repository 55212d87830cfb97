#include "grid/base/CellControls.h"
#include "grid/model/GridLists.h"
#include "TestSupport.h"
#include <QDir>
#include <gtest/gtest.h>

// StrValue: no blanks when read; writing replaces; a bad item raises and keeps the items before it.
TEST(IntList, StrValueRoundTrip)
{
    TIntList L(2, 3);
    int Fired = 0;
    L.OnChange = [&](TIntList *, int C, int R) { Fired += C == 2 && R == 3; };
    L.Add(3);
    L.Add(-1);
    L.Add(20);
    EXPECT_EQ(L.StrValue(), QStringLiteral("3,-1,20"));
    L.Set_StrValue(QStringLiteral("4, 5"));
    EXPECT_EQ(L.StrValue(), QStringLiteral("4,5"));
    EXPECT_THROW(L.Set_StrValue(QStringLiteral("1,x")), EConvertError);
    EXPECT_EQ(L.StrValue(), QStringLiteral("1"));
    EXPECT_EQ(TIntList().StrValue(), QString());
    EXPECT_EQ(Fired, 3 + 2 + 1);
}

// Which operations report a change.
TEST(IntList, ChangeNotifications)
{
    TIntList L;
    int Fired = 0;
    L.OnChange = [&](TIntList *, int, int) { ++Fired; };
    struct TStep { const char *Name; std::function<void()> Do; int Fires; };
    const TStep Steps[] = {
        {"Add", [&] { L.Add(1); }, 1},
        {"InsertSilent", [&] { L.Insert(0, 7); }, 0},
        {"SetItem", [&] { L.SetInteger(1, 9); }, 1},
        {"Delete", [&] { L.Delete(0); }, 1},
        {"DeleteMissingValue", [&] { L.DeleteValue(42); }, 0},
        {"DeleteValue", [&] { L.DeleteValue(9); }, 1},
        {"ClearSilent", [&] { L.Add(1); Fired--; L.Clear(); }, 0},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        const int Before = Fired;
        S.Do();
        EXPECT_EQ(Fired - Before, S.Fires);
    }
    EXPECT_THROW(L.GetInteger(0), EListError);
}

// Sort keys: direction in bit 31, text form, lenient loading.
TEST(SortIndexList, KeysAndText)
{
    TSortIndexList L;
    EXPECT_EQ(L.SaveToString(), QString());
    L.AddIndex(2, true);
    L.AddIndex(5, false);
    EXPECT_EQ(L.SaveToString(), QStringLiteral("u2;d5"));
    EXPECT_EQ(L.FindIndex(5), 1);
    EXPECT_EQ(L.FindIndex(3), -1);
    EXPECT_FALSE(L.SortDirections(1));
    L.ToggleIndex(5);
    EXPECT_TRUE(L.SortDirections(1));
    L.ToggleIndex(5);
    EXPECT_FALSE(L.SortDirections(1));
    L.Set_SortColumns(1, 7);
    EXPECT_EQ(L.SaveToString(), QStringLiteral("u2;d7"));
    L.LoadFromString(QStringLiteral("u0;;x;D7"));
    EXPECT_EQ(L.SaveToString(), QStringLiteral("u0;d7"));
    L.LoadFromString(QStringLiteral("u12x;uabc;u$1F"));
    EXPECT_EQ(L.SaveToString(), QStringLiteral("u12;u0;u31"));
}

// Sequential lines: pending text joins the next line; Eof after Reset only for an empty list.
TEST(FileStringList, WriteAndRead)
{
    TFileStringList L;
    L.Reset();
    EXPECT_TRUE(L.Eof());
    L.Write(QStringLiteral("ab"));
    L.Write(QStringLiteral("cd"));
    L.WriteLn(QStringLiteral("ef"));
    ASSERT_EQ(L.Lines.size(), 1);
    EXPECT_EQ(L.Lines[0], QStringLiteral("abcdef"));
    L.Reset();
    EXPECT_FALSE(L.Eof());
    QString S;
    L.ReadLn(S);
    EXPECT_EQ(S, QStringLiteral("abcdef"));
    EXPECT_TRUE(L.Eof());
    EXPECT_THROW(L.ReadLn(S), EListError);
    const QString Path = QDir(Test_Output_Dir()).filePath(QStringLiteral("file_string_list.txt"));
    L.Lines << QStringLiteral("zwölf");
    ASSERT_TRUE(L.Save_To_File(Path));
    TFileStringList R;
    ASSERT_TRUE(R.Load_From_File(Path));
    EXPECT_EQ(R.Lines, L.Lines);
}

// Cell controls: lookup by cell; removal leaves the control alive.
TEST(ControlList, LookupAndRemoval)
{
    TControlList L;
    QWidget W;
    EXPECT_EQ(L.ControlIndex(1, 1), -1);
    L.AddControl(1, 2, &W);
    EXPECT_EQ(L.ControlIndex(1, 2), 0);
    EXPECT_TRUE(L.HasHandle(&W));
    L.RemoveControl(0);
    EXPECT_EQ(L.Count(), 0);
    EXPECT_FALSE(L.HasHandle(&W));
    EXPECT_THROW(L.GetControl(0), EListError);
}

// A file picture with no name draws nothing; Assign copies name and size.
TEST(FilePicture, EmptyNameDrawsNothing)
{
    TFilePicture P;
    TRecordingCanvas C(10, 10);
    P.DrawPicture(C, TRect(0, 0, 10, 10));
    EXPECT_TRUE(C.Ops().empty());
    const QString Path = QDir(Test_Output_Dir()).filePath(QStringLiteral("file_picture.png"));
    QImage Img(7, 5, QImage::Format_RGB32);
    Img.fill(Qt::red);
    ASSERT_TRUE(Img.save(Path));
    P.Set_Filename(Path);
    TFilePicture Q;
    Q.Assign(P);
    EXPECT_EQ(Q.Width(), 7);
    EXPECT_EQ(Q.Height(), 5);
    Q.DrawPicture(C, TRect(0, 0, 10, 10));
    EXPECT_EQ(C.Count(TCanvasOp::StretchDraw), 1);
}
