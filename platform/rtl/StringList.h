#pragma once
// The class library's list of text lines: the SQL text of a query, the result lists
// of the folder utilities, the items of a list or combo box.
#include <QString>
#include <QStringList>
#include <functional>

class TStrings
{
public:
    int Count() const { return int(lines.size()); }
    const QString& Strings(int index) const { return lines.at(index); }
    QString& operator[](int index) { return lines[index]; }
    const QString& operator[](int index) const { return lines.at(index); }

    int Add(const QString& line)
    {
        lines.append(line);
        Changed();
        return int(lines.size()) - 1;
    }
    void Insert(int index, const QString& line)
    {
        lines.insert(index, line);
        Changed();
    }
    void Delete(int index)
    {
        lines.removeAt(index);
        Changed();
    }
    void Clear()
    {
        lines.clear();
        Changed();
    }
    // The index of the first line equal to `line` without regard to case, or -1.
    int IndexOf(const QString& line) const
    {
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].compare(line, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    // Every line followed by CR LF.
    QString Text() const
    {
        qsizetype size = 0;
        for (const QString& l : lines)
            size += l.size() + 2;
        QString text;
        text.reserve(size);
        for (const QString& l : lines) {
            text += l;
            text += QLatin1String("\r\n");
        }
        return text;
    }
    const QStringList& List() const { return lines; }

    // Run after every change: a query closes itself when its SQL text changes.
    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }
    QStringList lines;
};

using TStringList = TStrings;
