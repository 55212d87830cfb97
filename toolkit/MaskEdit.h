#pragma once
#include "platform/Keys.h"
#include "toolkit/EditMask.h"
#include <QLineEdit>
#include <QVector>

// A single-line edit with the classic edit hooks: key-down (with
// virtual-key codes), character filter, clipboard permission, entry and exit.
// The masked edit of the grid's in-place editors builds on it.
class QAction;
class QMenu;

class TCustomMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCustomMaskEdit(QWidget *Parent = nullptr);

    QString EditMask() const { return FEditMask; }
    void Set_EditMask(const QString &Mask);
    // The text as stored: without the literals when the mask says so.
    QString Text() const;
    void Set_Text(const QString &Value);
    bool AutoSelect() const { return FAutoSelect; }
    void Set_AutoSelect(bool V) { FAutoSelect = V; }
    bool ReadOnly() const { return isReadOnly(); }
    void Set_ReadOnly(bool V) { setReadOnly(V); }
    int SelStart() const;
    void Set_SelStart(int V);
    int SelLength() const { return selectedText().length(); }
    void Set_SelLength(int V);
    // Streaming in progress (setters that depend on other properties wait).
    bool Loading() const { return FLoading; }
    void Begin_Loading() { FLoading = true; }
    // Ends loading and runs Loaded().
    void End_Loading();

    // --- hooks (public so that owners and tests can drive them) ---------------
    // Key set to 0 consumes the key.
    virtual void KeyDown(TKey &Key, TShiftState Shift);
    virtual void KeyUp(TKey &Key, TShiftState Shift);
    // A typed character; set to 0 to drop it. Keypad tells that it came from the numeric keypad.
    virtual void KeyPress(QChar &Key);
    virtual void WMChar(QChar &Key, bool Keypad) { KeyPress(Key); }
    // Whether cut and paste may change the text.
    virtual bool Can_Cut_Paste() const { return !isReadOnly(); }
    virtual void DoEnter(bool ByMouse);
    virtual void DoExit() {}
    virtual void Loaded() {}
    // Clipboard commands (cut, paste), asking Can_Cut_Paste first.
    void Cut_To_Clipboard();
    void Paste_From_Clipboard();
    // The edit's context menu with Cut, Paste and Delete switched off while
    // Can_Cut_Paste() refuses them (the menu would otherwise change the text
    // past the editor's rules).
    void Restrict_Standard_Menu(QMenu *Menu) const;
    // Cut, Paste or Delete of the standard context menu.
    static bool Is_Text_Changing_Action(const QAction *A);

    // The formatting rectangle: the text is laid out inside R (client pixels).
    void Set_Text_Rect(const QRect &R);
    QRect Text_Rect() const { return FTextRect; }

protected:
    void keyPressEvent(QKeyEvent *E) override;
    void keyReleaseEvent(QKeyEvent *E) override;
    void focusInEvent(QFocusEvent *E) override;
    void focusOutEvent(QFocusEvent *E) override;
    // Context-menu commands, dropped text and the middle-button paste obey
    // Can_Cut_Paste() as the keyboard's cut and paste do.
    void contextMenuEvent(QContextMenuEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void dragEnterEvent(QDragEnterEvent *E) override;
    void dragMoveEvent(QDragMoveEvent *E) override;
    void dropEvent(QDropEvent *E) override;

private:
    QString FEditMask;
    TEditMaskInfo FMask;
    bool FAutoSelect = true;
    bool FLoading = false;
    QRect FTextRect;
};
