#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "grid/base/GridOptions.h"
#include "platform/ModalResult.h"
#include <QPointer>
#include <QWidget>
#include <functional>

class TCanvas;
class TImageList;
class VOdeCustomDropDown;

// The small flat push button of the popups' header and footer bars. It
// paints over its parent's background (it has none of its own), in the
// colours of a shared VOdeButtonAppearance, and can work as a toggle
// button of an exclusive group. A button that knows its drop-down closes
// the popup by its modal result when clicked. Enter and Space on a focused
// button are a click, as a mouse click is.

// The same push or toggle choice as the grid's buttons (tasButton, tasCheck).
using VOdeButtonStyle = VOdeGridButtonStyle;
enum VOdeButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// Which of the appearance's colour sets a paint uses (first that applies).
enum class TBarButtonFace { Disabled, Pressed, Checked, Hot, Normal };

// Everything one paint of the button depends on.
struct TBarButtonLook {
    TBarButtonFace Face = TBarButtonFace::Normal;
    QSize Size;
    QString Caption;
    int ImageIndex = -1;
    const TImageList *Images = nullptr;
};

// Paints the face, border, image and caption of a bar button.
void Paint_Bar_Button(TCanvas &Canvas, const VOdeButtonAppearance &Look, const TBarButtonLook &L);

class VOdeButton : public QWidget {
    Q_OBJECT
public:
    explicit VOdeButton(QWidget *Parent = nullptr);

    // Shared, not owned; without one nothing is painted.
    VOdeButtonAppearance *Appearance() const { return FAppearance; }
    void Set_Appearance(VOdeButtonAppearance *V);
    TImageList *Images() const { return FImages; }
    void Set_Images(TImageList *V) { FImages = V; }
    int ImageIndex() const { return FImageIndex; }
    void Set_ImageIndex(int V);
    QString Caption() const { return FCaption; }
    void Set_Caption(const QString &V);
    TModalResult ModalResult() const { return FModalResult; }
    void Set_ModalResult(TModalResult V) { FModalResult = V; }
    // The drop-down whose popup a click closes (none: the popup stays).
    VOdeCustomDropDown *DarAzidDropDown() const;
    void Set_DarAzidDropDown(VOdeCustomDropDown *V);
    int Tag() const { return FTag; }
    void Set_Tag(int V) { FTag = V; }

    int GroupIndex() const { return FGroupIndex; }
    void Set_GroupIndex(int V) { FGroupIndex = V; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void Set_AllowAllUp(bool V) { FAllowAllUp = V; }
    VOdeButtonStyle Style() const { return FStyle; }
    void Set_Style(VOdeButtonStyle V) { FStyle = V; }
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    VOdeButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    // Sizes the button to its caption in the appearance's font and its image.
    void AutoSizeButton();
    // The modal result reaches the drop-down's popup, then OnClick.
    virtual void Click();
    TBarButtonLook Make_Look() const;

    std::function<void(VOdeButton *Sender)> OnClick;
    std::function<void(VOdeButton *Sender)> OnMouseEnter, OnMouseLeave;

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void keyPressEvent(QKeyEvent *E) override;
    void focusInEvent(QFocusEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
    void changeEvent(QEvent *E) override;

private:
    // A sibling of the same group went down.
    void Button_Pressed(VOdeButton *Sender);
    void Update_State_For_Paint();
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FMouseInControl = false;
    VOdeButtonStyle FStyle = tasButton;
    VOdeButtonState FState = absUp;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    VOdeButtonAppearance *FAppearance = nullptr;
    TImageList *FImages = nullptr;
    int FImageIndex = -1;
    QString FCaption;
    TModalResult FModalResult = mrNone;
    QPointer<QWidget> FDarAzidDropDown;
    int FTag = 0;
};
