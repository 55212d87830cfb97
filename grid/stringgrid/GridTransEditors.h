#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

class RIraRevadiVizo;

// The two small controls the grid lays over a fixed cell (a header or a row
// label) to edit its text: a plain edit and a combo (editable, or a list).
// Each remembers the cell it edits (Col is the real column) and ends the edit
// itself, through StopEdit, when it loses the focus. Both are made hidden;
// while one is shown every change of its text reaches the grid's
// FixedEditChange. Return is taken by the control and goes nowhere.
//
// The owner is the grid (std::bad_cast for any other widget); a control made
// without an owner has no grid, and StopEdit then only hides it.

// What both controls do to end an edit: OnCellValidate may change the text
// or refuse it; refused, the grid's current cell moves to the edited cell
// (along the axes where that cell is scrollable) and the control keeps the
// focus and stays open (false); accepted, OnEditingDone fires, the text goes
// into the cell and the control hides (true).
class TGridTransEditor {
public:
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    // The cell being edited (ACol a real column index).
    void Set_Cell(int ACol, int ARow)
    {
        FCol = ACol;
        FRow = ARow;
    }
    RIraRevadiVizo *Grid() const;   // out of line: the grid's class is only declared here
    virtual QString Editor_Text() const = 0;
    bool StopEdit();

protected:
    TGridTransEditor(QWidget *Self, QWidget *Owner);
    virtual ~TGridTransEditor() = default;
    // The focus left the control: ends the edit unless the whole window lost
    // the focus, a popup of the control took it, the control is already
    // hidden or ending, or the grid is going.
    void Exit(Qt::FocusReason Reason);
    // The text changed: the grid's FixedEditChange, while the control shows.
    void Text_Changed();
    // Return and Enter are swallowed (no line break, nothing reaches the grid).
    static bool Swallows(const class QKeyEvent *E);

private:
    QWidget *FSelf;
    QPointer<RIraRevadiVizo> FGrid;
    int FCol = -1;
    int FRow = -1;
    bool FStopping = false;
};

class TGridTransEdit : public QLineEdit, public TGridTransEditor {
    Q_OBJECT
public:
    explicit TGridTransEdit(QWidget *Owner);
    QString Editor_Text() const override { return text(); }

protected:
    void keyPressEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
};

class TGridTransCombo : public QComboBox, public TGridTransEditor {
    Q_OBJECT
public:
    explicit TGridTransCombo(QWidget *Owner);
    // The editable (drop-down) style or the list style.
    void Set_Editable_Style(bool Editable) { setEditable(Editable); }
    // Puts a text in: the edit part's text, or in the list style the item of
    // that text (none chosen when no item has it).
    void Set_Text(const QString &Value);
    QString Editor_Text() const override { return currentText(); }

protected:
    void keyPressEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
};
