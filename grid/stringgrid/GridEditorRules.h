#pragma once
#include "grid/model/GridTypes.h"
#include "platform/Keys.h"
#include <QEvent>
#include <QKeyEvent>
#include <functional>

class QFocusEvent;
class QWidget;
class RIraRevadiVizo;

// What every editor control of the string grid shares: how it finds its
// grid, the number filter of the numeric kinds, and the Tab and focus-loss
// rules. Each editor keeps only what differs in its own file.

// Posted to the grid by an editor that leaves with Tab without goTabs: the
// grid then handles the key itself (wParam the key, lParam 1 with Shift).
int Grid_Key_Down_Message();
// Returns the grid an editor control is made for.
RIraRevadiVizo *Editor_Grid_Of(QWidget *Owner);

// The character filter of the numeric and float editor kinds (shared by the
// text editor and the edit-with-button editors). Text, caret and selection
// are the editor's; Ctrl says whether Ctrl is held. Returns the character to
// type (null: dropped); Beep says the refusal is to be heard.
QChar Filter_Number_Char(TEditorType Kind, QChar Key, const QString &Text, int Caret, const QString &Selected,
                         bool Ctrl, bool &Beep);

// --- Tab -------------------------------------------------------------------------------------------------------
// When an editor keeps the Tab key instead of letting the window move the
// focus. Most editors keep it whenever the grid handles Tab itself (goTabs,
// or a validation hook that must see the value before the focus moves on);
// the spin and unit editors keep it only with goTabs, and otherwise let Tab
// leave the editor through the ordinary editing end.
enum class TEditorTabRule { EditorHandlesTab, TabsOption };
bool Editor_Keeps_Tab(const RIraRevadiVizo &G, TEditorTabRule Rule);

// For an editor's event(): a Tab or Shift+Tab press that the editor keeps
// goes to its own key handler (Press) before the window's focus chain sees
// it. True when the event was taken. The grid is asked only for a Tab
// press: other events also reach an editor while its grid is being
// destroyed (the closing window deactivates its children).
template <class FPress>
bool Take_Tab_Key(QEvent *E, const RIraRevadiVizo *G, TEditorTabRule Rule, FPress &&Press)
{
    if (E->type() != QEvent::KeyPress)
        return false;
    auto *K = static_cast<QKeyEvent *>(E);
    if (K->key() != Qt::Key_Tab && K->key() != Qt::Key_Backtab)
        return false;
    if (!Editor_Keeps_Tab(*G, Rule))
        return false;
    Press(K);
    return true;
}

// Tab with goTabs, once the value is accepted: the editor closes, the grid
// takes the focus and moves to the next (Backward: previous) editable cell.
void Editor_Tab_To_Next_Cell(RIraRevadiVizo *G, bool Backward);
// The Tab step after an accepted value: with goTabs as above and the key
// swallowed (true: handling stops); without goTabs a Tab key-down is posted
// to the grid, which moves on by its own rules, and handling continues.
bool Editor_Tab_Step(RIraRevadiVizo *G, TKey &Key, bool Backward);

// --- focus loss -----------------------------------------------------------------------------------------------
// Losing the focus ends the edit (the value is committed by HideInplaceEdit),
// except while the grid holds its editors open on purpose (BlockKill).
void Editor_Focus_Lost(RIraRevadiVizo *G);
// For an editor with a popup of its own (list, calendar): the focus going to
// that popup, or leaving while it is open, is no loss.
bool Editor_Focus_To_Own_Popup(const QFocusEvent *E, bool PopupOpen);

// --- leaving ---------------------------------------------------------------------------------------------------
// The leave step of the spin and combo editors: the grid ends the edit for
// the key (DoneInplaceEdit), opens the next cell's editor when an advance on
// Enter edits on, and the key is swallowed.
void Editor_Leave_Step(RIraRevadiVizo *G, TKey &Key, TShiftState Shift);

// --- cursor walk ------------------------------------------------------------------------------------------------
// With Navigation.CursorWalkEditor, Left with the caret at the start or Right
// with it at the end (nothing selected, no modifier) leaves an editor for the
// neighbouring cell. Walk_Due answers whether the key does so; Caret is the
// caret position before the key took effect.
bool Editor_Walk_Due(RIraRevadiVizo &G, TKey Key, TShiftState Shift, int Caret, int Length, bool Selected);
// The walk itself: the value (Text) is validated first; a refused value keeps
// the editor open and returns false. An accepted one is shown in the editor
// (Show, with the validated cell text) before the editor closes; a cell
// control next door becomes current without an editor, any other cell is
// reached as after an edit and, with Navigation.CursorWalkAlwaysEdit, opens
// its editor.
bool Editor_Cursor_Walk(RIraRevadiVizo *G, const QString &Text, bool Forward,
                        const std::function<void(const QString &)> &Show);
