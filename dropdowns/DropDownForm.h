#pragma once
#include "platform/Colors.h"
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class VOdeCustomDropDown;
class VOdeHeader;
class VOdeFooter;

// The popup of a drop-down edit: a borderless Qt::Popup window (the one kind
// a Wayland session lets a program place freely) that shows the kind's
// content control between an optional header and footer bar, inside a
// border of the edit's DropDownBorderWidth. Keys and wheel turns that reach
// it act on the edit. A mouse press outside it is its deactivation: it
// records the tick and lets the edit close it (cancelled when
// CancelOnDeActivate); a press in a window of its own (a list opened from
// its content) leaves it open.
class TDropDownForm : public QWidget {
    Q_OBJECT
public:
    explicit TDropDownForm(VOdeCustomDropDown *Edit);

    VOdeCustomDropDown *DarAzidDropDown() const { return FEdit; }
    // Tick count (ms) of the last deactivation while visible.
    std::uint32_t DeActivateTime() const { return FDeActivate; }
    bool Shadow() const { return FShadow; }
    void Set_Shadow(bool V) { FShadow = V; }
    // The bottom-right 10 x 10 pixels size the window.
    bool Sizeable() const { return FSizeable; }
    void Set_Sizeable(bool V) { FSizeable = V; }
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void Set_CancelOnDeActivate(bool V) { FCancelOnDeActivate = V; }
    bool BlockActivate() const { return FBlockActivate; }
    void Set_BlockActivate(bool V) { FBlockActivate = V; }
    // The bars (nullptr until one was first needed).
    VOdeHeader *Header() const;
    VOdeFooter *Footer() const;
    // Raised while the user sizes the window.
    std::function<void()> OnSizing;

    // Prepares the bars from the edit's header and footer looks (a bar that
    // was never visible is never created).
    void InitializeAndUpdate();
    // The room inside the border.
    QRect Client_Rect() const;
    // The user sized the window to S (the size grip, the sizing corner).
    void User_Resize(QSize S);
    // The deactivation: a press outside the window at tick Now.
    void Deactivate(std::uint32_t Now);
    // Lays the bars and the content control out inside the border.
    void Layout_Children();

protected:
    void paintEvent(QPaintEvent *E) override;
    void resizeEvent(QResizeEvent *E) override;
    void showEvent(QShowEvent *E) override;
    void hideEvent(QHideEvent *E) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void keyReleaseEvent(QKeyEvent *E) override;
    void wheelEvent(QWheelEvent *E) override;

private:
    VOdeCustomDropDown *FEdit;
    std::uint32_t FDeActivate = 0;
    bool FShadow = true;
    QPointer<VOdeFooter> FFooter;
    QPointer<VOdeHeader> FHeader;
    bool FSizeable = false;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
    bool FSizing = false;
    QPoint FSizeFrom;
    QSize FSizeStart;
};
