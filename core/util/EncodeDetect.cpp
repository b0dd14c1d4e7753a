#include "core/util/EncodeDetect.h"

namespace {

inline unsigned char At(const QByteArray& bytes, qsizetype i)
{
    return static_cast<unsigned char>(bytes[i]);
}

inline bool InRange(unsigned char b, unsigned char low, unsigned char high)
{
    return b >= low && b <= high;
}

// Whether the bytes at `i` and after begin with `sequence`, all of it before the end.
bool StartsAt(const QByteArray& bytes, qsizetype i, const char* sequence)
{
    return QByteArrayView(bytes.constData() + i, bytes.size() - i).startsWith(QByteArrayView(sequence));
}

bool IsBase64(unsigned char b)
{
    return InRange(b, 'A', 'Z') || InRange(b, 'a', 'z') || InRange(b, '0', '9') || b == '+' || b == '/';
}

// Printable ASCII that UTF-7 writes only in its shifted form.
bool NotDirectInUTF7(unsigned char b)
{
    return InRange(b, 0x21, 0x26) || b == 0x2A || InRange(b, 0x3B, 0x3E) || b == 0x40 ||
           InRange(b, 0x5B, 0x60) || InRange(b, 0x7B, 0x7E);
}

} // namespace

TBOMType BOMCheck(const QByteArray& bytes, TIgnoreEncodes ignore)
{
    if (ignore.Contains(ieBOM))
        return btNone;
    if (bytes.size() >= 4) {
        if (bytes.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4)))
            return bt32LE;
        if (bytes.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4)))
            return bt32BE;
    }
    if (bytes.size() >= 2) {
        if (bytes.startsWith("\xFF\xFE"))
            return bt16LE;
        if (bytes.startsWith("\xFE\xFF"))
            return bt16BE;
    }
    if (bytes.size() >= 3 && bytes.startsWith("\xEF\xBB\xBF"))
        return btUTF8;
    return btNone;
}

bool IsASCII(unsigned char byte)
{
    return byte < 0x80;
}

bool IsUTF8(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore)
{
    if (ignore.Contains(ieUTF8))
        return false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = At(bytes, i);
        int length;
        if (IsASCII(b))
            length = 1;
        else if (InRange(b, 0xC0, 0xDF))
            length = 2;
        else if (InRange(b, 0xE0, 0xEF))
            length = 3;
        else if (InRange(b, 0xF0, 0xF7))
            length = 4;
        else
            return false;
        // Every following byte that is there must continue the character; it counts
        // only when all of them are there.
        for (int k = 1; k < length && i + k < n; ++k)
            if (!InRange(At(bytes, i + k), 0x80, 0xBF))
                return false;
        if (length > 1 && i + length <= n) {
            counter += length;
            i += length;
        } else {
            ++i;
        }
    }
    return true;
}

bool IsSJIS(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore)
{
    if (ignore.Contains(ieSJIS))
        return false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = At(bytes, i);
        if (IsASCII(b) || InRange(b, 0xA1, 0xDF)) {
            ++i;
        } else if (InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC)) {
            if (i + 1 < n) {
                const unsigned char t = At(bytes, i + 1);
                if (!InRange(t, 0x40, 0x7E) && !InRange(t, 0x80, 0xFC))
                    return false;
                counter += 2;
                i += 2;
            } else {
                ++i;
            }
        } else {
            return false;
        }
    }
    return true;
}

bool IsEUC(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore)
{
    if (ignore.Contains(ieEUC))
        return false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = At(bytes, i);
        if (IsASCII(b)) {
            ++i;
        } else if (InRange(b, 0xA1, 0xFE) || b == 0x8E) {
            if (i + 1 < n) {
                const unsigned char t = At(bytes, i + 1);
                if (b == 0x8E ? !InRange(t, 0xA1, 0xDF) : !InRange(t, 0xA1, 0xFE))
                    return false;
                counter += 2;
                i += 2;
            } else {
                ++i;
            }
        } else if (b == 0x8F) {
            for (int k = 1; k < 3 && i + k < n; ++k)
                if (!InRange(At(bytes, i + k), 0xA1, 0xFE))
                    return false;
            if (i + 3 <= n) {
                counter += 3;
                i += 3;
            } else {
                ++i;
            }
        } else {
            return false;
        }
    }
    return true;
}

bool IsJIS(const QByteArray& bytes, TIgnoreEncodes ignore)
{
    if (ignore.Contains(ieJIS))
        return false;
    static const char* const kEscapes[] = {"\x1B(B", "\x1B(J",  "\x1B(I",      "\x1B$@",
                                           "\x1B$B", "\x1B$(D", "\x1B&@\x1B$B"};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!IsASCII(At(bytes, i)))
            return false;
        for (const char* escape : kEscapes)
            if (StartsAt(bytes, i, escape))
                return true;
    }
    return false;
}

bool IsUTF7(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore)
{
    if (ignore.Contains(ieUTF7))
        return false;
    bool shifted = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = At(bytes, i);
        if (!IsASCII(b) || NotDirectInUTF7(b))
            return false;
        if (b == '+' && !shifted)
            shifted = true;
        else if (b == '-' && shifted)
            shifted = false;
        if (shifted) {
            if (!IsBase64(b))
                return false;
            counter += 2;
        }
    }
    return true;
}

int CheckEncoding(const QByteArray& bytes, TIgnoreEncodes ignore)
{
    if (bytes.isEmpty())
        return kEncodeNone;
    switch (BOMCheck(bytes, ignore)) {
    case btUTF8:
        return kEncodeUTF8BOM;
    case bt16LE:
        return kEncodeUTF16LE;
    case bt16BE:
        return kEncodeUTF16BE;
    case bt32LE:
        return kEncodeUTF32LE;
    case bt32BE:
        return kEncodeUTF32BE;
    case btNone:
        break;
    }
    if (IsJIS(bytes, ignore))
        return kEncodeJIS;

    int sjis = 0, euc = 0, utf8 = 0, utf7 = 0;
    const bool isSJIS = IsSJIS(bytes, sjis, ignore);
    const bool isEUC = IsEUC(bytes, euc, ignore);
    const bool isUTF8 = IsUTF8(bytes, utf8, ignore);
    const bool isUTF7 = IsUTF7(bytes, utf7, ignore);

    if (isEUC && euc > sjis && euc > utf8 && euc > utf7)
        return kEncodeEUC;
    if (isSJIS && sjis > euc && sjis > utf8 && sjis > utf7)
        return kEncodeSJIS;
    if (isUTF8 && utf8 > sjis && utf8 > euc && utf8 > utf7)
        return kEncodeUTF8;
    if (isUTF7 && utf7 > sjis && utf7 > euc && utf7 > utf8)
        return kEncodeUTF7;
    return kEncodeNone;
}

int CheckEncoding(QIODevice& stream, int maxBytes, TIgnoreEncodes ignore)
{
    const qint64 size = stream.size();
    if (size <= 0)
        return kEncodeNone;
    stream.seek(0);
    const qint64 n = maxBytes > 0 && size >= maxBytes ? maxBytes : size;
    return CheckEncoding(stream.read(n), ignore);
}
