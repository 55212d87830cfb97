#pragma once
// A shown, focused string grid of 5 x 6 cells with editing on, and helpers
// that drive it with Qt's key events.
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/VOdeInplaceEdit.h"
#include "TestSupport.h"
#include "platform/SystemInfo.h"
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

struct TGridEditFixture : ::testing::Test {
    std::unique_ptr<RIraRevadiVizo> G;
    // What happened, in order ("validate 2,3 x", "done", "celldone 2,3").
    std::vector<std::string> Log;
    bool Refuse = false;          // OnCellValidate refuses
    QString Replace;              // OnCellValidate's replacement (empty: none)

    // The grid under test (a fixture may supply a descendant).
    virtual std::unique_ptr<RIraRevadiVizo> Make_Grid() { return std::make_unique<RIraRevadiVizo>(); }
    void SetUp() override
    {
        G = Make_Grid();
        G->Set_ColCount(5);
        G->Set_RowCount(6);
        G->resize(420, 200);
        G->Set_Options(G->Options() + goEditing);
        G->show();
        QApplication::setActiveWindow(G.get());
        G->setFocus();
    }
    void Log_Events()
    {
        G->OnCellValidate = [this](QObject *, int C, int R, QString &V, bool &Valid) {
            Log.push_back("validate " + std::to_string(C) + "," + std::to_string(R) + " " + V.toStdString());
            if (!Replace.isEmpty())
                V = Replace;
            if (Refuse)
                Valid = false;
        };
        G->OnEditingDone = [this](QObject *) { Log.push_back("done"); };
        G->OnEditCellDone = [this](QObject *, int C, int R) {
            Log.push_back("celldone " + std::to_string(C) + "," + std::to_string(R));
        };
    }
    // The editor kind every cell gets.
    void Kind(TEditorType E)
    {
        G->OnGetEditorType = [E](QObject *, int, int, TEditorType &A) { A = E; };
    }
    void Go(int C, int R)
    {
        G->Set_Col(C);
        G->Set_Row(R);
    }
    // Opens the editor of the current cell with F2.
    void F2() { QTest::keyClick(G.get(), Qt::Key_F2); }
    VOdeInplaceEdit *Editor() const { return G->GetNormalEdit(); }
    // Types into whatever has the focus.
    void Type(const QString &S) { QTest::keyClicks(QApplication::focusWidget(), S); }
    void Key(Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) { QTest::keyClick(QApplication::focusWidget(), K, M); }
    // Lets posted messages arrive.
    void Flush() { QCoreApplication::processEvents(); }
    // Opens an editor kind on cell (2, 2) holding Text, labelled in (1, 2),
    // and saves a picture of the grid under Name; the editor stays open.
    void Open_And_Grab(const char *Name, TEditorType K, const QString &Label, const char *Text)
    {
        Kind(K);
        G->Set_Cells(1, 2, Label);
        G->Set_Cells(2, 2, QString::fromLatin1(Text));
        Go(2, 2);
        F2();
        EXPECT_TRUE(G->EditMode());
        Flush();
        Grab_Open_Editor(QString::fromLatin1(Name));
    }
    // Saves a picture of the grid under Name while the current cell's editor
    // is open: the editor stands over that cell and draws on it.
    void Grab_Open_Editor(const QString &Name)
    {
        const QImage Shot(Save_Screenshot(G.get(), Name));
        ASSERT_EQ(Shot.size(), G->size());
        QWidget *E = QApplication::focusWidget();
        while (E && E->parentWidget() != G->viewport() && E->parentWidget() != G.get())
            E = E->parentWidget();
        ASSERT_NE(E, nullptr) << "no editor in the grid has the focus";
        const QRect Cell = G->CellRect(G->Col(), G->Row()).To_QRect().translated(G->viewport()->mapTo(G.get(), QPoint(0, 0)));
        const QRect Edit(E->mapTo(G.get(), QPoint(0, 0)), E->size());
        EXPECT_TRUE(Cell.contains(Edit.center()));
        EXPECT_GT(Distinct_Colours(Shot, Edit), 1);
    }
};
