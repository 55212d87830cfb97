#pragma once
#include "grid/stringgrid/GridEditorRules.h"
#include <QPushButton>

class RIraRevadiVizo;

// edButton: the cell text as caption; a click passes it through EllipsClick.
class TGridButton : public QPushButton {
    Q_OBJECT
public:
    explicit TGridButton(QWidget *Owner);
    void ReCreate() {}
    void Press();

protected:
    void keyPressEvent(QKeyEvent *E) override;
    void keyReleaseEvent(QKeyEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};
