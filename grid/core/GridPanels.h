#pragma once
#include "grid/base/GridButtons.h"
#include <QLineEdit>
#include <QWidget>
#include <functional>

// The two bars a string grid docks at its bottom, below its cells: the
// floating footer's panel and the search footer's panel. The grid sizes and
// shows them; what they show and do belongs to their settings' owners.

// The floating footer's panel: painted by whoever paints the footer.
class TFooterPanel : public QWidget {
    Q_OBJECT
public:
    explicit TFooterPanel(QWidget *Parent = nullptr);
    std::function<void(TFooterPanel *, class QPainter &)> OnPaint;

protected:
    void paintEvent(QPaintEvent *) override;
};

// The search footer's panel: a close button, the search text, Find next,
// Find previous, Match case and Highlight. Each control calls its handler.
class TSearchPanel : public QWidget {
    Q_OBJECT
public:
    explicit TSearchPanel(QWidget *Parent = nullptr);
    QLineEdit *Edit() const { return FEdit; }
    VOdeGridButton *CloseButton() const { return FClose; }
    VOdeGridButton *ForwardButton() const { return FForward; }
    VOdeGridButton *BackwardButton() const { return FBackward; }
    VOdeGridButton *HiliteButton() const { return FHilite; }
    VOdeCheckBox *MatchCase() const { return FMatchCase; }
    std::function<void(const QString &Text)> OnEditChange;
    std::function<void()> OnFindNext;
    std::function<void()> OnFindPrevious;
    std::function<void()> OnHighlight;
    std::function<void()> OnClose;

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    void Arrange();
    QLineEdit *FEdit;
    VOdeGridButton *FClose;
    VOdeGridButton *FForward;
    VOdeGridButton *FBackward;
    VOdeGridButton *FHilite;
    VOdeCheckBox *FMatchCase;
};
