#include "platform/rtl/IntText.h"

#include "platform/rtl/Exceptions.h"

namespace {

bool ParseInt(const QString& text, int& value)
{
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 2147483647LL)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

QString IntToStr(long long value)
{
    return QString::number(value);
}

int StrToIntDef(const QString& text, int fallback)
{
    int value;
    return ParseInt(text, value) ? value : fallback;
}

int StrToInt(const QString& text)
{
    int value;
    if (!ParseInt(text, value))
        throw EConvertError(QString("'%1'は正しい整数ではありません。").arg(text));
    return value;
}
