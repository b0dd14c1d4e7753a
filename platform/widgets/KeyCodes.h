#pragma once
// Key codes as the windows read them: the numbers their handlers compare with (VK_RETURN
// is 13, VK_F1 is 112, the digits and letters are their ASCII codes), the number pad told
// apart from the main keys; and the characters a key press gives the key-press filters.
#include <QChar>
#include <QKeyEvent>

namespace widgets {

using TShiftState = Qt::KeyboardModifiers;

enum VirtualKeys : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_NUMPAD0 = 96,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112,
    VK_OEM_1 = 186,    // ":" on a Japanese keyboard
    VK_OEM_PLUS = 187, // ";+" (Japanese), "=+" (US)
    VK_OEM_COMMA = 188,
    VK_OEM_MINUS = 189,
    VK_OEM_PERIOD = 190,
    VK_OEM_2 = 191, // "/?"
    VK_OEM_3 = 192, // "@"
    VK_OEM_4 = 219, // "["
    VK_OEM_5 = 220, // "\|"
    VK_OEM_6 = 221, // "]"
    VK_OEM_7 = 222, // "^"
};

// The virtual-key number of a key event (letters by their capital whatever the
// shift; shifted symbols by the key that carries them on a Japanese keyboard); 0 when
// the key has none.
int VirtualKey(const QKeyEvent& event);

// The character a key press hands to a key-press filter: the typed character,
// Backspace 8, Ctrl+A..Ctrl+Z 1..26; a null character for keys that type nothing and
// for Enter, Esc and Tab, which the window handles first.
QChar KeyChar(const QKeyEvent& event);

} // namespace widgets
