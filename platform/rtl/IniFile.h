#pragma once
// The configuration file, read and written the way the system's private-profile
// service does it: nothing is cached, every call goes to the file at once, so
// several windows (and programs) sharing the file always see the last write.
//
// Sections and keys are matched without regard to case, the first match winning;
// blanks around names and values do not count. The file is UTF-8 without a BOM; a BOM
// is accepted when reading. A write leaves every other line of the file byte for byte
// as it was, and ends the lines it adds as the file's lines end (CR LF or LF; LF in a
// new file).
#include <QString>

class TIniFile
{
public:
    // `fileName` is a program path; it is mapped to the host at every access.
    explicit TIniFile(const QString& fileName) : fileName(fileName) {}

    const QString& FileName() const { return fileName; }

    // `def` when the file, the section or the key is missing; "" for a key with no value.
    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    // `def` as for ReadString, and when the text is not a decimal number or a
    // hexadecimal one written "0x...".
    int ReadInteger(const QString& section, const QString& ident, int def) const;

    // Creates the file when it is missing, appends a missing section at the end and a
    // missing key at the end of its section, and replaces an existing key's line.
    // A line break in the value is written as a blank, so that it stays one line.
    // Raises EIniFileException when the file cannot be written.
    void WriteString(const QString& section, const QString& ident, const QString& value);
    void WriteInteger(const QString& section, const QString& ident, int value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& ident) const;
    void DeleteKey(const QString& section, const QString& ident);
    void EraseSection(const QString& section);

private:
    QString fileName;
};
