#include "platform/rtl/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
int Utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Converts with iconv; a sequence it cannot convert is replaced by "?" and skipped
// (`skip` gives its length from its first byte).
QByteArray Convert(const char* from, const char* to, const QByteArray& input, int (*skip)(unsigned char))
{
    QByteArray out;
    if (input.isEmpty())
        return out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // No converter: keep what is plain ASCII, which every code page shares.
        for (char c : input)
            out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    char* dst = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = size_t(out.size() - used);
            continue;
        }
        // EILSEQ or a sequence cut by the end: one "?" for it.
        const size_t n = std::min(size_t(skip(static_cast<unsigned char>(*in))), inLeft);
        in += n;
        inLeft -= n;
        if (outLeft == 0) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = size_t(out.size() - used);
        }
        *dst++ = '?';
        --outLeft;
    }
    out.resize(dst - out.data());
    iconv_close(cd);
    return out;
}

} // namespace

QByteArray ToCodePage(const QString& text)
{
    return Convert("UTF-8", "CP932", text.toUtf8(), Utf8Length);
}

QString FromCodePage(const QByteArray& bytes)
{
    return QString::fromUtf8(Convert("CP932", "UTF-8", bytes, [](unsigned char) { return 1; }));
}
