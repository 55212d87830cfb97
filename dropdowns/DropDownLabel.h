#pragma once
#include "grid/model/LabelPlacement.h"
#include <QFont>
#include <QLabel>
#include <functional>

// The caption label a drop-down edit places beside itself on its own parent.
// A click or double click on it is reported to the edit's OnLabelClick and
// OnLabelDblClick; a mnemonic in the caption moves the focus to the edit.
class TDropDownLabel : public QLabel {
    Q_OBJECT
public:
    explicit TDropDownLabel(QWidget *Parent);
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    // The caption's width without its mnemonic marks, in the label's font.
    int Caption_Width() const;

protected:
    void mouseReleaseEvent(QMouseEvent *E) override;
    void mouseDoubleClickEvent(QMouseEvent *E) override;
};

// The label settings of a drop-down edit (what the label is placed and
// drawn with; the label itself exists from the first caption on).
struct TDropDownLabelSettings {
    TLabelPosition Position = lpLeftTop;
    // 0 in a new edit; stored settings bring 4 unless they say otherwise.
    int Margin = 0;
    bool AlwaysEnabled = false;
    bool Transparent = false;
    QFont Font;
    // The label takes the edit's font instead of Font (ParentFont when loaded).
    bool ParentFnt = false;
};
