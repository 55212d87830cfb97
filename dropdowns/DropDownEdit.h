#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "grid/base/GridStyle.h"
#include "grid/model/GridTypes.h"
#include "toolkit/MaskEdit.h"
#include <QPointer>
#include <functional>

class QFrame;
class TImageList;

// The drop-down edit every kind of the family derives from: an edit field
// with a drop-down button at its right edge and a popup below it
// (DropDownForm.h builds the popup).
//
// This first version is deliberately small. It holds everything the grid's
// editing reads and writes (the value text with prefix and suffix, the
// direct and the formatting text setter, the popup's open state, Alt+Up and
// Alt+Down, the header and footer looks, the style, and each kind's value:
// position, memo text, items, colour, image index, pending calculation), and
// shows a popup frame with the header and footer bars. The popups' own
// contents (track bar, memo, calculator pad, watch, lists, colour and image
// selectors, inner grid) are not built yet; their classes keep these names
// and this interface when they are.
// How the formatting text setter shows a value.
enum TDropDownEditType { etString, etNumeric, etFloat };

using TDropDownButtonEvent = std::function<void(QObject *Sender, int ButtonIndex)>;
using TDropDownNotifyEvent = std::function<void(QObject *Sender)>;

class VOdeCustomDropDown : public TCustomMaskEdit {
    Q_OBJECT
public:
    explicit VOdeCustomDropDown(QWidget *Owner = nullptr);
    ~VOdeCustomDropDown() override;

    // The value: the edit text without Prefix at its start and Suffix at its
    // end (each only when present).
    QString Text() const;
    // The formatting setter: the value shown by the edit type and precision,
    // with prefix and suffix.
    virtual void Set_Text(const QString &Value);
    // The edit text exactly as given.
    void SetTextDirect(const QString &Value);

    QString Prefix() const { return FPrefix; }
    void Set_Prefix(const QString &Value) { FPrefix = Value; }
    QString Suffix() const { return FSuffix; }
    void Set_Suffix(const QString &Value) { FSuffix = Value; }
    TDropDownEditType EditType() const { return FEditType; }
    void Set_EditType(TDropDownEditType Value) { FEditType = Value; }
    int Precision() const { return FPrecision; }
    void Set_Precision(int Value) { FPrecision = Value; }

    // Whether the text can be typed (the value still changes through the popup).
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    TImageList *Images() const { return FImages; }
    void SetImages(TImageList *Value) { FImages = Value; }
    // A single-line frame (false: none, as inside a grid cell).
    bool Border() const { return FBorder; }
    void Set_Border(bool Value);
    TColor Color() const { return FColor; }
    void Set_Color(TColor Value);

    // The popup.
    bool DroppedDown() const { return FDroppedDown; }
    // Opens the popup; nothing when it is open already, disabled or read-only.
    void ShowDropDown();
    // Closes the popup (Cancelled: the choice in it is dropped).
    void HideDropDown(bool Cancelled = false);
    QFrame *Popup() const { return FPopup; }

    THeaderAppearance &DropDownHeader() { return FHeader; }
    TFooterAppearance &DropDownFooter() { return FFooter; }
    TDropDownButtonEvent OnDropDownHeaderButtonClick;
    TDropDownButtonEvent OnDropDownFooterButtonClick;

    // Restyling by the grid.
    void SetComponentStyle(TQelStyle AStyle) { FStyle = AStyle; }
    void SetColorTones(const TColorTones &ATones) { FTones = ATones; }
    TQelStyle ComponentStyle() const { return FStyle; }
    const TColorTones &ColorTones() const { return FTones; }

    // Focus drawing of the edit area (the time picker switches it off).
    bool FFocusDraw = true;
    // The text when the edit last got the focus (what Escape undoes to).
    QString Undo_Text() const { return FUndoText; }

    // The masked edit's handling, then Alt+Up or Alt+Down closes the open
    // popup or opens it.
    void KeyDown(TKey &Key, TShiftState Shift) override;
    // Enter never reaches the text.
    void KeyPress(QChar &Key) override;
    // The text changed (OnChange).
    virtual void Change();
    TDropDownNotifyEvent OnChange;
    // The button's rectangle in the edit (client pixels).
    QRect Button_Rect() const;

protected:
    void DoEnter(bool ByMouse) override;
    bool event(QEvent *E) override;
    void paintEvent(QPaintEvent *E) override;
    void mousePressEvent(QMouseEvent *E) override;
    void resizeEvent(QResizeEvent *E) override;
    // A popup was opened or closed (subclasses take their choice here).
    virtual void Popup_Closed(bool Cancelled) {}

private:
    void Build_Popup();
    QString FPrefix, FSuffix;
    TDropDownEditType FEditType = etString;
    int FPrecision = 0;
    bool FEditorEnabled = true;
    TImageList *FImages = nullptr;
    bool FBorder = true;
    TColor FColor = clWindow;
    bool FDroppedDown = false;
    QPointer<QFrame> FPopup;
    THeaderAppearance FHeader;
    TFooterAppearance FFooter;
    TQelStyle FStyle = tsWindowsXP;
    TColorTones FTones;
    QString FUndoText;
    bool FInChange = false;
};
