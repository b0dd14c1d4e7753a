#include "platform/widgets/MaskEdit.h"

#include "platform/widgets/KeyCodes.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalBlocker>

namespace widgets {

namespace {

// The places of a masked text, read from its Qt input mask: for each character of the
// text the mask character of its place, or a null character where a literal stands.
class Places
{
public:
    explicit Places(const QString& inputMask)
    {
        const int semicolon = inputMask.lastIndexOf(';');
        blank = semicolon >= 0 && semicolon + 1 < inputMask.size() ? inputMask[semicolon + 1] : QChar(' ');
        const QString pattern = inputMask.left(semicolon);
        for (int i = 0; i < pattern.size(); ++i) {
            const QChar c = pattern[i];
            if (c == '\\') {
                ++i;
                places += QChar();
            } else if (QStringLiteral("<>!").contains(c)) {
                continue; // a case switch takes no place
            } else {
                places += QStringLiteral("AaNnXx90DdHhBb#").contains(c) ? c : QChar();
            }
        }
    }

    bool Fits(const QString& text) const { return !places.isEmpty() && places.size() == text.size(); }
    // The first place at or after `pos`, -1 when there is none.
    int Next(int pos) const
    {
        for (; pos < places.size(); ++pos)
            if (!places[pos].isNull())
                return pos;
        return -1;
    }
    // The last place before `pos`, -1 when there is none.
    int Prior(int pos) const
    {
        while (--pos >= 0)
            if (!places[pos].isNull())
                return pos;
        return -1;
    }
    // Only what Qt's mask takes too, so the text shown is the text meant.
    bool Takes(int place, QChar c) const
    {
        const bool digit = c >= u'0' && c <= u'9';
        switch (places[place].unicode()) {
        case '9':
        case '0':
            return digit;
        case 'A':
        case 'a':
            return c.isLetter();
        case 'N':
        case 'n':
            return digit || c.isLetter();
        case 'X':
        case 'x':
            return c.isPrint() && c != blank;
        default:
            return false;
        }
    }
    void Blank(QString& text, int from, int to) const
    {
        for (int i = from; i < to; ++i)
            if (!places[i].isNull())
                text[i] = blank;
    }

    QChar blank;

private:
    QString places;
};

enum class MaskKey { None, Type, Back, Delete, Paste };

MaskKey MaskKeyOf(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Paste))
        return MaskKey::Paste;
    const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (event.key() == Qt::Key_Backspace && plain)
        return MaskKey::Back;
    if (event.key() == Qt::Key_Delete && plain && !(event.modifiers() & Qt::ShiftModifier))
        return MaskKey::Delete;
    const QChar typed = KeyChar(event);
    if (typed.isPrint() || typed.unicode() >= 0x80)
        return MaskKey::Type;
    return MaskKey::None;
}

} // namespace

QString QtInputMask(const QString& editMask)
{
    const QStringList fields = editMask.split(';');
    const QString blank =
        fields.size() >= 3 && !fields[2].isEmpty() ? fields[2].left(1) : QStringLiteral("_");
    QString qt;
    const QString pattern = fields.value(0);
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        switch (c.unicode()) {
        case '!': // leading blanks trimmed: nothing to do for a fixed-width text
            break;
        case '0':
            qt += '9';
            break;
        case '9':
            qt += '0';
            break;
        case 'L':
            qt += 'A';
            break;
        case 'l':
            qt += 'a';
            break;
        case 'A':
            qt += 'N';
            break;
        case 'a':
            qt += 'n';
            break;
        case 'C':
            qt += 'X';
            break;
        case 'c':
            qt += 'x';
            break;
        case '\\':
            if (i + 1 < pattern.size())
                qt += QStringLiteral("\\") + pattern[++i];
            break;
        default:
            if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\").contains(c))
                qt += '\\';
            qt += c;
        }
    }
    return qt + ';' + blank;
}

MaskEdit::MaskEdit(QWidget* parent) : Edit(parent)
{
    // A Windows edit puts its text nearer the frame than Qt does; a fixed-width date
    // needs every pixel of its designed width.
    setTextMargins(-2, 0, -2, 0);
}

void MaskEdit::setEditMask(const QString& editMask)
{
    mask = editMask;
    setInputMask(QtInputMask(editMask));
}

bool MaskEdit::Masked() const
{
    return Places(inputMask()).Fits(displayText());
}

void MaskEdit::keyPressEvent(QKeyEvent* event)
{
    const MaskKey action = Masked() ? MaskKeyOf(*event) : MaskKey::None;
    if (action == MaskKey::None)
        return Edit::keyPressEvent(event);
    event->accept();
    QChar key = KeyChar(*event);
    if (!key.isNull()) {
        emit KeyPress(key);
        if (key.isNull())
            return;
    }
    if (isReadOnly())
        return;
    switch (action) {
    case MaskKey::Type:
        Enter(QString(key));
        break;
    case MaskKey::Paste:
        Enter(QApplication::clipboard()->text());
        break;
    case MaskKey::Back:
    case MaskKey::Delete:
        Clear(action == MaskKey::Back);
        break;
    case MaskKey::None:
        break;
    }
}

void MaskEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!Masked() || event->commitString().isEmpty())
        return Edit::inputMethodEvent(event);
    const QString passed = Filtered(event->commitString());
    if (!isReadOnly())
        Enter(passed);
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&rest);
}

void MaskEdit::Enter(const QString& chars)
{
    const Places places(inputMask());
    QString text = displayText();
    int start = SelStart();
    int length = SelLength();
    bool taken = false;
    for (QChar c : chars) {
        const int place = places.Next(start);
        if (place < 0 || !places.Takes(place, c))
            continue;
        if (length > 1)
            places.Blank(text, start, start + length);
        text[place] = c;
        const int next = places.Next(place + 1);
        start = next < 0 ? int(text.size()) : next;
        length = 0;
        taken = true;
    }
    if (taken)
        Show(text, start);
}

void MaskEdit::Clear(bool backward)
{
    const Places places(inputMask());
    QString text = displayText();
    const int start = SelStart();
    if (SelLength() > 1) {
        places.Blank(text, start, start + SelLength());
        return Show(text, start);
    }
    // One selected character is the cursor standing before it.
    const int place = backward ? places.Prior(start) : places.Next(start);
    if (place < 0)
        return;
    places.Blank(text, place, place + 1);
    Show(text, backward ? place : start);
}

// Qt's mask reads blanks out of a whole text badly (a blank before a digit moves the
// digit), so the places that change are written one by one, and the change is told once.
void MaskEdit::Show(const QString& shown, int cursor)
{
    const QString before = displayText();
    {
        const QSignalBlocker quiet(this);
        const QChar blank = Places(inputMask()).blank;
        for (int i = 0; i < shown.size(); ++i) {
            if (shown[i] == before[i])
                continue;
            if (shown[i] == blank) {
                setSelection(i, 1);
                del();
            } else {
                setCursorPosition(i);
                insert(QString(shown[i]));
            }
        }
        setCursorPosition(cursor);
    }
    if (displayText() != before) {
        emit textChanged(text());
        emit textEdited(text());
    }
}

} // namespace widgets
