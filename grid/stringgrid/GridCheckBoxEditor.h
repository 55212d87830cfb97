#pragma once
#include "grid/stringgrid/GridEditorRules.h"
#include <QCheckBox>

class RIraRevadiVizo;

// edCheckBox: shows the cell text as caption; nothing is written back.
class TGridCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TGridCheckBox(QWidget *Owner);
    void ReCreate() {}

protected:
    void keyPressEvent(QKeyEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;

private:
    RIraRevadiVizo *FGrid;
};
