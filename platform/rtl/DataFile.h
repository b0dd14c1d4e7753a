#pragma once
// A text file written for another program or for a person to read: the totals and
// chart files, the mail-merge data files, the debug log. Text goes out in CP932 (a
// character it cannot hold as "?") with every "\n" stored as CR LF, as a Windows text
// stream has it. The fields of the comma-separated ones are made at the end.
#include <QString>

#include <cstdio>
#include <memory>

class TDataFile
{
public:
    // Opens the file at a program path with a stdio mode ("w", "w+", "a", "a+").
    // Null when it cannot be opened, so callers test it as they would a FILE*.
    static std::unique_ptr<TDataFile> Open(const QString& path, const char* mode);

    ~TDataFile();
    TDataFile(const TDataFile&) = delete;
    TDataFile& operator=(const TDataFile&) = delete;

    // False when the bytes could not all be written.
    bool Write(const QString& text);
    bool Flush();
    // Flushes and closes; false when that fails. Later writes fail.
    bool Close();

private:
    explicit TDataFile(std::FILE* file) : file(file) {}

    std::FILE* file;
};

// Fields of the comma-separated files, so that a spreadsheet or a word processor reads
// each as one field whatever text it holds.

// True when the text holds a comma, a double quote or a line break.
bool CsvNeedsQuotes(const QString& text);
// The text in double quotes, every inner double quote doubled.
QString CsvQuoted(const QString& text);
// The text as it is, or as CsvQuoted when it needs quotes.
QString CsvField(const QString& text);
