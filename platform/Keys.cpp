#include "platform/Keys.h"

TKey Virtual_Key_From_Qt(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    const bool Keypad = Modifiers.testFlag(Qt::KeypadModifier);
    if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z)
        return static_cast<TKey>('A' + (QtKey - Qt::Key_A));
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9)
        return static_cast<TKey>(Keypad ? VK_NUMPAD0 + (QtKey - Qt::Key_0) : '0' + (QtKey - Qt::Key_0));
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F12)
        return static_cast<TKey>(VK_F1 + (QtKey - Qt::Key_F1));
    switch (QtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Clear: return VK_CLEAR;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Asterisk: return Keypad ? VK_MULTIPLY : 0;
    case Qt::Key_Plus: return Keypad ? VK_ADD : VK_OEM_PLUS;
    case Qt::Key_Minus: return Keypad ? VK_SUBTRACT : VK_OEM_MINUS;
    case Qt::Key_Period: return Keypad ? VK_DECIMAL : VK_OEM_PERIOD;
    case Qt::Key_Slash: return Keypad ? VK_DIVIDE : VK_OEM_2;
    case Qt::Key_Comma: return VK_OEM_COMMA;
    case Qt::Key_Semicolon: return VK_OEM_1;
    case Qt::Key_Equal: return VK_OEM_PLUS;
    case Qt::Key_QuoteLeft: return VK_OEM_3;
    case Qt::Key_BracketLeft: return VK_OEM_4;
    case Qt::Key_Backslash: return VK_OEM_5;
    case Qt::Key_BracketRight: return VK_OEM_6;
    case Qt::Key_Apostrophe: return VK_OEM_7;
    default: return 0;
    }
}

TShiftState Shift_State_From_Qt(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons)
{
    TShiftState S;
    if (Modifiers.testFlag(Qt::ShiftModifier))
        S += ssShift;
    if (Modifiers.testFlag(Qt::AltModifier))
        S += ssAlt;
    if (Modifiers.testFlag(Qt::ControlModifier))
        S += ssCtrl;
    if (Buttons.testFlag(Qt::LeftButton))
        S += ssLeft;
    if (Buttons.testFlag(Qt::RightButton))
        S += ssRight;
    if (Buttons.testFlag(Qt::MiddleButton))
        S += ssMiddle;
    return S;
}
