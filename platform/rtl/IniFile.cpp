#include "platform/rtl/IniFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/Paths.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

namespace {

// The file as lines of bytes, each without its LF (a CR before it stays on the line).
// Lines are parsed when looked at and written back untouched unless a write changes them.
struct IniLines
{
    QList<QByteArray> lines;
    // What a line the program adds ends with before its LF: the file's first line says
    // (a file edited on Windows keeps CR LF throughout); a new file has bare LF.
    QByteArray cr;

    static IniLines Load(const QString& hostPath)
    {
        IniLines ini;
        QFile file(hostPath);
        if (!file.open(QIODevice::ReadOnly))
            return ini;
        QByteArray data = file.readAll();
        if (data.isEmpty())
            return ini;
        const qsizetype firstEnd = data.indexOf('\n');
        if (firstEnd > 0 && data[firstEnd - 1] == '\r')
            ini.cr = "\r";
        const bool lastEnded = data.endsWith('\n');
        if (lastEnded)
            data.chop(1);
        ini.lines = data.split('\n');
        // A last line without its end gets the file's when the file is written.
        if (!lastEnded && !ini.lines.last().endsWith('\r'))
            ini.lines.last() += ini.cr;
        return ini;
    }

    QByteArray NewLine(const QByteArray& text) const { return text + cr; }

    static QString Text(const QByteArray& line, int index)
    {
        QByteArray bytes = line;
        if (index == 0 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        return QString::fromUtf8(bytes).trimmed();
    }

    // Whether line `index` is a "[name]" line, and its name.
    bool IsSection(int index, QString* name = nullptr) const
    {
        const QString text = Text(lines[index], index);
        const int close = int(text.lastIndexOf(']'));
        if (!text.startsWith('[') || close < 0)
            return false;
        if (name)
            *name = text.mid(1, close - 1).trimmed();
        return true;
    }

    // Index of the first header of `section`, or -1.
    int FindSection(const QString& section) const
    {
        const QString wanted = section.trimmed();
        QString name;
        for (int i = 0; i < lines.size(); ++i)
            if (IsSection(i, &name) && name.compare(wanted, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    // One past the last line of the section whose header is at `header`.
    int SectionEnd(int header) const
    {
        int i = header + 1;
        while (i < lines.size() && !IsSection(i))
            ++i;
        return i;
    }

    // Index of the first "ident=value" line of the section at `header`, or -1.
    int FindKey(int header, const QString& ident, QString* value = nullptr) const
    {
        const QString wanted = ident.trimmed();
        const int end = SectionEnd(header);
        for (int i = header + 1; i < end; ++i) {
            const QString text = Text(lines[i], i);
            const int eq = int(text.indexOf('='));
            if (eq < 0 || text.left(eq).trimmed().compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            if (value)
                *value = text.mid(eq + 1).trimmed();
            return i;
        }
        return -1;
    }

    void Save(const QString& hostPath, const QString& programPath) const
    {
        QByteArray data;
        for (const QByteArray& line : lines)
            data += line + '\n';
        QSaveFile file(hostPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
            throw EIniFileException(QString("ファイル\"%1\"に書き込めません。").arg(programPath));
    }
};

QByteArray OneLine(const QString& text)
{
    QString t = text;
    t.replace("\r\n", " ");
    t.replace('\r', ' ');
    t.replace('\n', ' ');
    return t.toUtf8();
}

// The value of a decimal text or of a hexadecimal one written "0x..." (32 bits, as
// the library reads it), or `def`.
int IniInteger(const QString& text, int def)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (text.size() > 10)
            return def;
        quint32 value = 0;
        for (int i = 2; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return def;
            value = value * 16 + quint32(digit);
        }
        return int(value);
    }
    return StrToIntDef(text, def);
}

} // namespace

QString TIniFile::ReadString(const QString& section, const QString& ident, const QString& def) const
{
    const IniLines ini = IniLines::Load(HostPath(fileName));
    const int header = ini.FindSection(section);
    QString value;
    if (header < 0 || ini.FindKey(header, ident, &value) < 0)
        return def;
    return value;
}

int TIniFile::ReadInteger(const QString& section, const QString& ident, int def) const
{
    const IniLines ini = IniLines::Load(HostPath(fileName));
    const int header = ini.FindSection(section);
    QString value;
    if (header < 0 || ini.FindKey(header, ident, &value) < 0)
        return def;
    return IniInteger(value, def);
}

void TIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    const QString host = HostPath(fileName);
    IniLines ini = IniLines::Load(host);
    const QByteArray line = OneLine(ident.trimmed()) + '=' + OneLine(value);
    int header = ini.FindSection(section);
    if (header < 0) {
        ini.lines.append(ini.NewLine('[' + OneLine(section.trimmed()) + ']'));
        ini.lines.append(ini.NewLine(line));
    } else if (const int key = ini.FindKey(header, ident); key >= 0) {
        // Keep the key as the file spells it, and the line's end.
        const QString old = IniLines::Text(ini.lines[key], key);
        const bool crlf = ini.lines[key].endsWith('\r');
        ini.lines[key] =
            OneLine(old.left(old.indexOf('=')).trimmed()) + '=' + OneLine(value) + (crlf ? "\r" : "");
    } else {
        // After the section's last line that is not blank, so a blank line before the
        // next section stays where it is.
        int at = ini.SectionEnd(header);
        while (at > header + 1 && IniLines::Text(ini.lines[at - 1], at - 1).isEmpty())
            --at;
        ini.lines.insert(at, ini.NewLine(line));
    }
    ini.Save(host, fileName);
}

void TIniFile::WriteInteger(const QString& section, const QString& ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TIniFile::SectionExists(const QString& section) const
{
    return IniLines::Load(HostPath(fileName)).FindSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& ident) const
{
    const IniLines ini = IniLines::Load(HostPath(fileName));
    const int header = ini.FindSection(section);
    return header >= 0 && ini.FindKey(header, ident) >= 0;
}

void TIniFile::DeleteKey(const QString& section, const QString& ident)
{
    const QString host = HostPath(fileName);
    IniLines ini = IniLines::Load(host);
    const int header = ini.FindSection(section);
    const int key = header < 0 ? -1 : ini.FindKey(header, ident);
    if (key < 0)
        return;
    ini.lines.removeAt(key);
    ini.Save(host, fileName);
}

void TIniFile::EraseSection(const QString& section)
{
    const QString host = HostPath(fileName);
    IniLines ini = IniLines::Load(host);
    const int header = ini.FindSection(section);
    if (header < 0)
        return;
    ini.lines.remove(header, ini.SectionEnd(header) - header);
    ini.Save(host, fileName);
}
