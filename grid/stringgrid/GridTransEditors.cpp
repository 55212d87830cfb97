// The fixed-cell editors: how they end an edit, leave, take Return, and
// report their text changes to the grid.
#include "grid/stringgrid/GridTransEditors.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QFocusEvent>
#include <QKeyEvent>

RIraRevadiVizo *TGridTransEditor::Grid() const { return FGrid; }

TGridTransEditor::TGridTransEditor(QWidget *Self, QWidget *Owner)
    : FSelf(Self), FGrid(Owner ? Editor_Grid_Of(Owner) : nullptr)
{
}

bool TGridTransEditor::StopEdit()
{
    if (!FGrid) {
        FSelf->hide();
        return true;
    }
    // A handler below may move the focus (a message box, say); that focus
    // loss must not end the same edit a second time. A handler may also free
    // the grid, and with it this control: nothing is touched after that.
    FStopping = true;
    QPointer<QWidget> Self(FSelf);
    QPointer<RIraRevadiVizo> G(FGrid);
    auto Gone = [&] { return !Self || !G; };
    QString Value = Editor_Text();
    bool Valid = true;
    if (G->OnCellValidate)
        G->OnCellValidate(G, FCol, FRow, Value, Valid);
    if (!Valid) {
        // The current cell cannot lie in the fixed cells: it goes to the edited
        // cell's column (a header) or row (a row label) where that is scrollable.
        if (!Gone()) {
            const int DisplCol = G->DisplColIndex(FCol);
            if (DisplCol >= G->FixedCols() && DisplCol < G->ColCount())
                G->Set_Col(DisplCol);
        }
        if (!Gone() && FRow >= G->FixedRows() && FRow < G->RowCount())
            G->Set_Row(FRow);
        if (Self) {
            FSelf->setFocus(Qt::OtherFocusReason);
            FStopping = false;
        }
        return false;
    }
    if (!Gone() && G->OnEditingDone)
        G->OnEditingDone(G);
    if (!Gone())
        G->SetCellEx(FCol, FRow, Value);
    if (Self) {
        FSelf->hide();
        FStopping = false;
    }
    return true;
}

void TGridTransEditor::Exit(Qt::FocusReason Reason)
{
    if (FStopping || !FSelf->isVisible() || Reason == Qt::ActiveWindowFocusReason || Reason == Qt::PopupFocusReason)
        return;
    // A grid on its way out has cleared the focus with BlockKill set.
    if (FGrid && FGrid->BlockKill())
        return;
    StopEdit();
}

void TGridTransEditor::Text_Changed()
{
    if (FGrid && FSelf->isVisible())
        FGrid->FixedEditChange(FSelf);
}

bool TGridTransEditor::Swallows(const QKeyEvent *E)
{
    return E->key() == Qt::Key_Return || E->key() == Qt::Key_Enter;
}

// --- the edit -------------------------------------------------------------------------------------------------

TGridTransEdit::TGridTransEdit(QWidget *Owner) : QLineEdit(Owner), TGridTransEditor(this, Owner)
{
    setFrame(false);
    hide();
    connect(this, &QLineEdit::textChanged, this, [this] { Text_Changed(); });
}

void TGridTransEdit::keyPressEvent(QKeyEvent *E)
{
    if (Swallows(E)) {
        E->accept();
        return;
    }
    QLineEdit::keyPressEvent(E);
}

void TGridTransEdit::focusOutEvent(QFocusEvent *E)
{
    QLineEdit::focusOutEvent(E);
    Exit(E->reason());
}

// --- the combo ------------------------------------------------------------------------------------------------

TGridTransCombo::TGridTransCombo(QWidget *Owner) : QComboBox(Owner), TGridTransEditor(this, Owner)
{
    // Return in the edit part must not add the text as an item.
    setInsertPolicy(QComboBox::NoInsert);
    hide();
    connect(this, &QComboBox::currentTextChanged, this, [this] { Text_Changed(); });
}

void TGridTransCombo::Set_Text(const QString &Value)
{
    if (isEditable())
        setEditText(Value);
    else
        setCurrentIndex(findText(Value, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

void TGridTransCombo::keyPressEvent(QKeyEvent *E)
{
    if (Swallows(E)) {
        E->accept();
        return;
    }
    QComboBox::keyPressEvent(E);
}

void TGridTransCombo::focusOutEvent(QFocusEvent *E)
{
    QComboBox::focusOutEvent(E);
    Exit(E->reason());
}

// --- the grid's change handler --------------------------------------------------------------------------------

void RIraRevadiVizo::FixedEditChange(QObject *Sender)
{
    const auto *E = dynamic_cast<const TGridTransEditor *>(Sender);
    if (E && OnEditChange)
        OnEditChange(this, E->Col(), E->Row(), E->Editor_Text());
}
