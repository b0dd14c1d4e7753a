#include "platform/rtl/DataFile.h"

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Paths.h"

#include <QFile>
#include <cstring>

std::unique_ptr<TDataFile> TDataFile::Open(const QString& path, const char* mode)
{
    // Only the modes that write; the file is always opened as bytes, the line ends
    // being ours to write.
    static const char* const kModes[][2] = {{"w", "wb"}, {"w+", "w+b"}, {"a", "ab"}, {"a+", "a+b"}};
    const char* binaryMode = nullptr;
    for (const auto& m : kModes)
        if (mode && std::strcmp(mode, m[0]) == 0)
            binaryMode = m[1];
    if (!binaryMode)
        return nullptr;
    std::FILE* file = std::fopen(QFile::encodeName(HostPath(path)).constData(), binaryMode);
    if (!file)
        return nullptr;
    return std::unique_ptr<TDataFile>(new TDataFile(file));
}

TDataFile::~TDataFile()
{
    Close();
}

bool TDataFile::Write(const QString& text)
{
    if (!file)
        return false;
    QString crlf = text;
    crlf.replace('\n', "\r\n");
    const QByteArray bytes = ToCodePage(crlf);
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
}

bool TDataFile::Flush()
{
    return file && std::fflush(file) == 0;
}

bool TDataFile::Close()
{
    if (!file)
        return false;
    const bool ok = std::fclose(file) == 0;
    file = nullptr;
    return ok;
}

bool CsvNeedsQuotes(const QString& text)
{
    for (QChar c : text)
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    return false;
}

QString CsvQuoted(const QString& text)
{
    QString doubled = text;
    doubled.replace('"', "\"\"");
    return '"' + doubled + '"';
}

QString CsvField(const QString& text)
{
    return CsvNeedsQuotes(text) ? CsvQuoted(text) : text;
}
