#include "platform/widgets/KeyCodes.h"

namespace widgets {

int VirtualKey(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    if (keypad) {
        switch (key) {
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return VK_DECIMAL;
        case Qt::Key_Slash:
            return VK_DIVIDE;
        default:
            break;
        }
    }
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    // Shifted digits of a Japanese keyboard.
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_QuoteDbl:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_Ampersand:
        return '6';
    case Qt::Key_Apostrophe:
        return '7';
    case Qt::Key_ParenLeft:
        return '8';
    case Qt::Key_ParenRight:
        return '9';
    case Qt::Key_Colon:
    case Qt::Key_Asterisk:
        return VK_OEM_1;
    case Qt::Key_Semicolon:
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return VK_OEM_PERIOD;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return VK_OEM_2;
    case Qt::Key_At:
    case Qt::Key_QuoteLeft:
        return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
    case Qt::Key_yen:
        return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return VK_OEM_6;
    case Qt::Key_AsciiCircum:
    case Qt::Key_AsciiTilde:
        return VK_OEM_7;
    default:
        return 0;
    }
}

QChar KeyChar(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QChar();
    case Qt::Key_Backspace:
        return QChar(8);
    default:
        break;
    }
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(key - Qt::Key_A + 1);
    const QString text = event.text();
    if (text.size() == 1 && (text[0].isPrint() || text[0].unicode() >= 0x80))
        return text[0];
    return QChar();
}

} // namespace widgets
