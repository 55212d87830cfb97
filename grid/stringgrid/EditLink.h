#pragma once
// The custom editor link: how a program plugs a control of its own into the
// string grid as the editor of edCustom cells. The grid asks the link to
// create its control, places and fills it, hands it the focus and reads the
// value back when the edit ends. The control sits over the cell (esInplace)
// or in a borderless stay-on-top window at the cell (esPopup).
//
// The base does nothing visible: descendants make the control and convert
// values. The base supplies EditKeyDown, which turns Tab, Enter, Escape and
// the cursor keys in the control into grid navigation; a descendant calls it
// from its control's key presses (an event filter, say) and drops the key
// when it comes back as 0.
#include "platform/Colors.h"
#include "platform/Font.h"
#include "platform/Keys.h"
#include "platform/Rect.h"
#include <QObject>
#include <QPointer>
#include <QWidget>

class RIraRevadiVizo;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public QObject {
    Q_OBJECT
public:
    explicit TEditLink(QObject *Owner = nullptr);
    ~TEditLink() override;

    // The grid the link edits for (set by the grid before each edit) and the
    // cell it edits (display column, row).
    RIraRevadiVizo *Grid() const;   // out of line: the grid's class is only declared here
    TPoint EditCell() const { return FEditCell; }

    TEditStyle EditStyle() const { return FEditStyle; }
    void Set_EditStyle(TEditStyle Value) { FEditStyle = Value; }
    // The pop-up window (made by the grid on the first pop-up edit, reused).
    QWidget *PopupForm() const { return FPopupForm; }
    int PopupWidth() const { return FPopupWidth; }
    void Set_PopupWidth(int Value) { FPopupWidth = Value; }
    int PopupHeight() const { return FPopupHeight; }
    void Set_PopupHeight(int Value) { FPopupHeight = Value; }
    // A fixed screen position of the pop-up; -1 in either: at the cell.
    int PopupLeft() const { return FPopupLeft; }
    void Set_PopupLeft(int Value) { FPopupLeft = Value; }
    int PopupTop() const { return FPopupTop; }
    void Set_PopupTop(int Value) { FPopupTop = Value; }
    // The pop-up takes the cell's width at each edit.
    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void Set_AutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }

    // Keys the control keeps instead of ending the edit.
    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantReturns = false;
    bool WantTabs = false;
    int Tag = 0;

    // True while the link itself hands the focus back to the grid (a focus
    // loss then is no exit by the user).
    bool ForcedExit() const { return FForcedExit; }
    // The control's own window handling is replaced by the grid's (from the
    // first SetFocus of an edit until RestoreWinProc).
    bool SubClassed() const { return FSubClassed; }

    // --- what descendants override
    // The key handler to attach to the control's key presses.
    virtual void EditKeyDown(QObject *Sender, TKey &Key, TShiftState Shift);
    virtual QWidget *GetEditControl() { return nullptr; }
    virtual void CreateEditor(QWidget *AParent) { Q_UNUSED(AParent); }
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(TRect R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, const TFont &AFont) { Q_UNUSED(AColor); Q_UNUSED(AFont); }
    virtual QString GetEditorValue() { return QString(); }
    virtual void SetEditorValue(const QString &S) { Q_UNUSED(S); }

    // The control's exit (a descendant binds it to the control's focus loss):
    // the value goes into the cell and the edit ends; a pop-up closes.
    void EditExit(QObject *Sender);
    // The pop-up window was deactivated.
    void FormExit(QObject *Sender);
    // The pop-up window for esPopup, else the grid.
    QWidget *GetParent() const;
    // The current cell's text, and a write of it through the grid's editor-value hook.
    QString GetCellValue() const;
    void SetCellValue(const QString &S);
    // Writes the editor's value, ends the grid's edit, gives the control its own handling back.
    void HideEditor();
    // Gives the control its own window handling back and hides it (in place only).
    void RestoreWinProc();

protected:
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    friend class RIraRevadiVizo;
    // The grid moves the focus to itself without this counting as the user's exit.
    void Focus_Grid();

    QPointer<RIraRevadiVizo> FOwner;
    TEditStyle FEditStyle = esInplace;
    QPointer<QWidget> FPopupForm;
    int FPopupWidth = 0;
    int FPopupHeight = 0;
    bool FForcedExit = false;
    TPoint FEditCell;
    bool FAutoPopupWidth = false;
    int FPopupLeft = -1;
    int FPopupTop = -1;
    bool FSubClassed = false;
    QPointer<QWidget> FSubClassedControl;
};
