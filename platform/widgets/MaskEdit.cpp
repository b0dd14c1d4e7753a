#include "platform/widgets/MaskEdit.h"

namespace widgets {

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

} // namespace widgets
