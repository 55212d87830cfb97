#pragma once
#include "grid/base/BaseGrid.h"

class RIraRevadiVizo;

// The string grid's text editor for the text kinds of editor: it filters
// typed and pasted characters by the cell's kind, validates the value before
// the edit leaves the cell (Enter, Tab, the cursor walks, focus loss), grows
// the row or column while typing, completes typed text from the lookup items
// and reports changes and the end of editing to the grid.
class VOdeInplaceEdit : public TBaseInplaceEdit {
    Q_OBJECT
public:
    explicit VOdeInplaceEdit(RIraRevadiVizo *Grid);
    RIraRevadiVizo *Owner_Grid() const { return FGrid; }

    // Longest text (the grid's MaxEditLength); 0 or less: none.
    int LengthLimit() const { return FLengthLimit; }
    // Right alignment of the text (the cell is right-justified).
    bool VAlign() const { return FValign; }
    void Set_VAlign(bool Value);

    // A password cell: the text is shown as the grid's PasswordChar, one
    // line, and never leaves through the clipboard.
    bool Password() const { return FPassword; }
    // What the editor shows (the password characters for a password cell).
    QString Shown_Text() const;

    // Lookup completion from the grid's lookup items.
    void DoChange();
    // The grid's clipboard rules: the handlers, the limit and the kind's filter.
    void Paste_Text(QString S);

    void KeyDown(TKey &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void KeyUp(TKey &Key, TShiftState Shift) override;
    void Change() override;
    void UpdateContents() override;
    void BoundsChanged(const TRect &CellRect) override;

protected:
    bool event(QEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void insertFromMimeData(const QMimeData *Source) override;
    void mouseDoubleClickEvent(QMouseEvent *E) override;
    void paintEvent(QPaintEvent *E) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void Refused_Restore(const QString &OldText);
    void Cursor_Walk(bool Forward);
    // The entry is complete and the navigation asks for an automatic advance.
    bool Auto_Advance_Due() const;
    // Shift+arrow out of the text: validate T (S: the text before the edit)
    // and hand the focus to the grid.
    void Shift_Walk_Out(const QString &T, const QString &S);
    void Lost_Focus(QWidget *Next);
    RIraRevadiVizo *FGrid;
    int FSelKeyDown = 0;
    int FOldSelStart = 0;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FPassword = false;
    bool FGotFocus = false;
    bool Workmode = true;
    int FColE = -1;
    int FRowE = -1;
    bool FKeyHandled = false;   // the key-down of the current key ended in the editor
};
