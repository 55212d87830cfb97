#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "grid/base/GridStyle.h"
#include "grid/model/GridTypes.h"
#include "toolkit/MaskEdit.h"
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

class QFrame;
class TImageList;

// The drop-down editors as the string grid edits cells with them: an edit
// field with a drop-down button at its right edge and a popup below it.
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

// A position chosen on a track bar (Min 0, Max 10, Position 0); the text
// cannot be typed.
class VOdeTrackBarDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeTrackBarDropDown(QWidget *Owner = nullptr);
    int Min() const { return FMin; }
    void Set_Min(int Value) { FMin = Value; }
    int Max() const { return FMax; }
    void Set_Max(int Value) { FMax = Value; }
    int Position() const { return FPosition; }
    // Stores the position, kept between Min and Max, and shows it.
    void SetPosition(int Value);
    // The base change, then Position := the text read as an integer.
    void Change() override;

private:
    int FMin = 0, FMax = 10, FPosition = 0;
};

// A multi-line text edited in the popup; the edit shows it on one line.
class VOdeMemoDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeMemoDropDown(QWidget *Owner = nullptr);
    QStringList &MemoText() { return FMemoText; }
    // Replaces the lines (the edit shows them joined).
    void Set_MemoText(const QStringList &Lines);
    // Copies the edit text into the memo text unless the change came from it.
    void Change() override;

private:
    QStringList FMemoText;
    bool FFromMemo = false;
};

// A number worked out in place: "+", "-", "*" and "/" take the number typed so
// far and wait for the next one; "=" (and CalcResult) completes.
class VOdeCalculatorDropdown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeCalculatorDropdown(QWidget *Owner = nullptr);
    void KeyPress(QChar &Key) override;
    // Completes the pending operation and shows the result.
    void CalcResult();

private:
    double FOperand = 0;
    QChar FOperation;
};

// A time of day ("hh:mm" or "hh:mm:ss"): Down adds one to and Up takes one
// from the hour, minute or second under the caret, wrapping around.
class VOdeTimePickerDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeTimePickerDropDown(QWidget *Owner = nullptr);
    void KeyDown(TKey &Key, TShiftState Shift) override;
};

// An item with a caption and notes.
struct TDetailItem {
    QString Caption;
    QString Notes;
    int ImageIndex = -1;
};
class TDetailItems {
public:
    std::vector<TDetailItem> Items;
    int Count() const { return int(Items.size()); }
    void Add(const QString &Caption, const QString &Notes = QString()) { Items.push_back({Caption, Notes, -1}); }
    // The first item whose caption equals Caption; -1 when none.
    int IndexOf(const QString &Caption) const;
};

// A list of captioned items.
class VOdeDetailDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeDetailDropDown(QWidget *Owner = nullptr);
    TDetailItems &Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // A different index inside the list selects that item and shows its caption.
    void SetItemIndex(int Value);
    TDropDownNotifyEvent OnSelect;
    // Enter selects the item whose caption equals the text.
    void KeyDown(TKey &Key, TShiftState Shift) override;

private:
    TDetailItems FItems;
    int FItemIndex = -1;
};

// Rows of column texts; the LookupColumn's text is what the edit shows.
class VOdeMultiColumnDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeMultiColumnDropDown(QWidget *Owner = nullptr);
    std::vector<QStringList> &Items() { return FItems; }
    int LookupColumn() const { return FLookupColumn; }
    void Set_LookupColumn(int Value) { FLookupColumn = Value; }
    int ItemIndex() const { return FItemIndex; }
    // The first row whose lookup text equals Text; -1 when none.
    int GetItemIndex(const QString &Text) const;
    // Selects row Value (below the count) and shows its lookup text (empty
    // without such a column or for a negative index).
    void SetItemIndex(int Value);
    void BeginUpdate() {}
    void EndUpdate() {}

private:
    std::vector<QStringList> FItems;
    int FLookupColumn = 0;
    int FItemIndex = -1;
};

// The grid drop-down: rows found by their lookup column (without regard to
// letter case unless CaseSensitive); with UseItems the rows are the items.
class TCustomDarAzidDropDown : public VOdeMultiColumnDropDown {
    Q_OBJECT
public:
    explicit TCustomDarAzidDropDown(QWidget *Owner = nullptr);
    bool UseItems() const { return FUseItems; }
    void Set_UseItems(bool Value) { FUseItems = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void Set_CaseSensitive(bool Value) { FCaseSensitive = Value; }
    // The row whose lookup column matches Text; false (Row -1) when none.
    bool Lookup(const QString &Text, int &Row) const;
    // The popup's inner grid; none until the popup exists (none yet here).
    QWidget *GetGrid() const { return nullptr; }

private:
    bool FUseItems = false;
    bool FCaseSensitive = false;
};

struct TColorItem {
    TColor Color;
    QString Caption;
};

// A colour chosen from captioned colours; the edit shows the caption.
class VOdeColorPickerDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeColorPickerDropDown(QWidget *Owner = nullptr);
    std::vector<TColorItem> &Items() { return FItems; }
    // Black, Maroon, Green, Olive, Navy, Purple, Teal, Gray, Silver, Red,
    // Lime, Yellow, Blue, Fuchsia, Aqua, White.
    void AddDefaultColors();
    TColor SelectedColor() const { return FSelectedColor; }
    // A new colour is stored, the first item of that colour selected.
    void SetSelectedColor(TColor Value);
    // The caption of the selected colour (empty when no item has it).
    QString GetSelectedColorText() const;
    TDropDownNotifyEvent OnSelect;

protected:
    void paintEvent(QPaintEvent *E) override;

private:
    std::vector<TColorItem> FItems;
    TColor FSelectedColor = clNone;
    int FItemIndex = -1;
};

struct TImageItem {
    QString Caption;
    int ImageIndex = -1;
};

// A picture of an image list chosen from captioned items.
class VOdeImagePickerDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeImagePickerDropDown(QWidget *Owner = nullptr);
    std::vector<TImageItem> &Items() { return FItems; }
    // One item per picture of Images (nothing without an image list).
    void AddImagesFromImageList();
    // The selected item's image index; -1 when nothing is selected.
    int GetImageIndex() const;
    // Selects the first item with that image index (none: nothing selected).
    void SetImageIndex(int Value);
    int ItemIndex() const { return FItemIndex; }
    void Set_ItemIndex(int Value);
    TDropDownNotifyEvent OnSelect;

protected:
    void paintEvent(QPaintEvent *E) override;

private:
    std::vector<TImageItem> FItems;
    int FItemIndex = -1;
};
