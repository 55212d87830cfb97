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
    // The face runs from From at the top to To at the bottom.
    void Set_Gradient(const QColor &From, const QColor &To);
    QColor Gradient_From() const { return FFrom; }
    QColor Gradient_To() const { return FTo; }
    // Lays the shown controls out in one row; hidden ones leave no gap.
    void Arrange();

protected:
    void resizeEvent(QResizeEvent *) override;
    void paintEvent(QPaintEvent *) override;

private:
    QColor FFrom = Qt::white;
    QColor FTo = Qt::white;
    QLineEdit *FEdit;
    VOdeGridButton *FClose;
    VOdeGridButton *FForward;
    VOdeGridButton *FBackward;
    VOdeGridButton *FHilite;
    VOdeCheckBox *FMatchCase;
};

// A thin, custom-drawn scroll bar (the "metro" look): a track with a thumb in
// proportion to the visible share. Dragging or clicking moves the thumb; the
// owner hears the new position.
enum TScrollDirection { sdVertical, sdHorizontal };
class TScrollControl : public QWidget {
    Q_OBJECT
public:
    TScrollControl(QWidget *Parent, TScrollDirection Direction);
    TScrollDirection Direction() const { return FDirection; }
    // Positions 0..Max; Page positions are in view at once.
    void Set_Range(int Max, int Page, int Pos);
    int Max() const { return FMax; }
    int Page() const { return FPage; }
    int Position() const { return FPos; }
    // The thumb's pixels along the track (start, length).
    QPair<int, int> Thumb() const;
    // The position a point along the track stands for (centre of the thumb there).
    int Position_At(int Along) const;
    std::function<void(int Pos)> OnScroll;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;

private:
    int Track() const { return FDirection == sdVertical ? height() : width(); }
    TScrollDirection FDirection;
    int FMax = 0;
    int FPage = 1;
    int FPos = 0;
};
