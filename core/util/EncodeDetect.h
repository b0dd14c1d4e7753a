#pragma once
// Decides in which encoding a byte sequence is written: the byte-order signatures of
// UTF-8, UTF-16 and UTF-32, JIS (ISO-2022-JP), Shift-JIS, EUC-JP, UTF-8 and UTF-7.
#include <QByteArray>
#include <QIODevice>
#include <initializer_list>

enum TBOMType { btNone, btUTF8, bt16LE, bt16BE, bt32LE, bt32BE };
enum TIgnoreEncode { ieSJIS, ieEUC, ieUTF8, ieJIS, ieBOM, ieUTF7 };

// A set of encodings a test is told to rule out.
class TIgnoreEncodes
{
public:
    TIgnoreEncodes() = default;
    TIgnoreEncodes(std::initializer_list<TIgnoreEncode> encodes)
    {
        for (TIgnoreEncode e : encodes)
            bits |= 1u << e;
    }
    bool Contains(TIgnoreEncode e) const { return bits & (1u << e); }

private:
    unsigned bits = 0;
};

// Result codes of CheckEncoding.
enum {
    kEncodeNone = -1,
    kEncodeSJIS = 0,
    kEncodeEUC = 1,
    kEncodeJIS = 2,
    kEncodeUTF16LE = 3,
    kEncodeUTF16BE = 4,
    kEncodeUTF8 = 5,
    kEncodeUTF8BOM = 6,
    kEncodeUTF32LE = 7,
    kEncodeUTF32BE = 8,
    kEncodeUTF7 = 9,
};

TBOMType BOMCheck(const QByteArray& bytes, TIgnoreEncodes ignore);
bool IsASCII(unsigned char byte);
bool IsUTF8(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore);
bool IsSJIS(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore);
bool IsEUC(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore);
bool IsJIS(const QByteArray& bytes, TIgnoreEncodes ignore);
bool IsUTF7(const QByteArray& bytes, int& counter, TIgnoreEncodes ignore);

int CheckEncoding(const QByteArray& bytes, TIgnoreEncodes ignore = {});
// Over at most the first maxBytes bytes of a stream (all of it when maxBytes <= 0 or
// the stream is shorter); a memory stream is a QBuffer, a file stream a QFile.
int CheckEncoding(QIODevice& stream, int maxBytes, TIgnoreEncodes ignore = {});
