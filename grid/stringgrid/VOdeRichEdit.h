#pragma once
#include "toolkit/RichEdit.h"

class RIraRevadiVizo;

// The string grid's rich edit: the in-place editor of rich-text cells
// (edRichEdit) and the grid's hidden rich-text engine. As an editor it
// hands Tab (with goTabs) and, in a grid without word wrap or multi-line
// cells, Up and Down back to the grid, and ends the edit when the focus goes
// to the grid.
class VOdeRichEdit : public TRichEdit {
    Q_OBJECT
public:
    explicit VOdeRichEdit(RIraRevadiVizo *Grid);
    RIraRevadiVizo *Grid() const { return FGrid; }
    // While locked (the grid fills the editor) the row does not follow the text.
    bool Locked() const { return FLocked; }
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    void ReCreate() {}

protected:
    bool event(QEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
    bool FLocked = false;
};
