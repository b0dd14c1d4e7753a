#include "platform/db/SqlDialect.h"

namespace {

enum class TokenKind { Word, Parameter, Literal, Symbol };

struct Token
{
    TokenKind kind;
    int start;
    int length;
    QString text;
};

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == '_' || c == '$';
}

// Splits a statement into words, parameters, literals (quoted texts and names,
// comments) and single-character symbols; blanks are dropped.
std::vector<Token> Tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    const int n = int(sql.size());
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        const int start = i;
        if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const QChar close = c == '[' ? QChar(']') : c;
            ++i;
            while (i < n) {
                if (sql[i] == close) {
                    if (close != ']' && i + 1 < n && sql[i + 1] == close) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.push_back({TokenKind::Literal, start, i - start, sql.mid(start, i - start)});
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n')
                ++i;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const int end = int(sql.indexOf("*/", i + 2));
            i = end < 0 ? n : end + 2;
        } else if (c == ':' && i + 1 < n && IsWordChar(sql[i + 1])) {
            ++i;
            while (i < n && IsWordChar(sql[i]))
                ++i;
            tokens.push_back({TokenKind::Parameter, start, i - start, sql.mid(start + 1, i - start - 1)});
        } else if (IsWordChar(c)) {
            while (i < n && IsWordChar(sql[i]))
                ++i;
            tokens.push_back({TokenKind::Word, start, i - start, sql.mid(start, i - start)});
        } else {
            ++i;
            tokens.push_back({TokenKind::Symbol, start, 1, QString(c)});
        }
    }
    return tokens;
}

bool Is(const Token& t, const char* word)
{
    return t.kind == TokenKind::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool IsSymbol(const Token& t, char c)
{
    return t.kind == TokenKind::Symbol && t.text == QChar(c);
}

// Words that end a table reference rather than naming its alias.
bool IsClauseWord(const Token& t)
{
    static const char* const words[] = {"LEFT",  "RIGHT", "FULL",   "INNER",     "OUTER",  "CROSS", "NATURAL",
                                        "JOIN",  "ON",    "USING",  "WHERE",     "GROUP",  "ORDER", "HAVING",
                                        "LIMIT", "UNION", "EXCEPT", "INTERSECT", "WINDOW", "SET",   "VALUES"};
    for (const char* w : words)
        if (Is(t, w))
            return true;
    return false;
}

} // namespace

QStringList ParameterNames(const QString& sql)
{
    QStringList names;
    for (const Token& t : Tokenize(sql)) {
        if (t.kind != TokenKind::Parameter)
            continue;
        if (!names.contains(t.text, Qt::CaseInsensitive))
            names.append(t.text);
    }
    return names;
}

std::vector<FromTable> FromTables(const QString& sql)
{
    const std::vector<Token> tokens = Tokenize(sql);
    std::vector<FromTable> tables;
    size_t i = 0;
    while (i < tokens.size() && !Is(tokens[i], "FROM"))
        ++i;
    if (i == tokens.size())
        return tables;
    ++i;
    int depth = 0;
    bool expectTable = true;
    for (; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (IsSymbol(t, '(')) {
            ++depth;
            continue;
        }
        if (IsSymbol(t, ')')) {
            if (--depth < 0)
                break;
            continue;
        }
        if (IsSymbol(t, ';'))
            break;
        if (IsSymbol(t, ',') || Is(t, "JOIN")) {
            expectTable = true;
            continue;
        }
        if (depth == 0 && (Is(t, "WHERE") || Is(t, "GROUP") || Is(t, "ORDER") || Is(t, "HAVING") ||
                           Is(t, "LIMIT") || Is(t, "UNION")))
            break;
        if (!expectTable || (t.kind != TokenKind::Word && t.kind != TokenKind::Literal) || IsClauseWord(t))
            continue;
        FromTable table;
        table.name = t.kind == TokenKind::Literal ? t.text.mid(1, t.text.size() - 2) : t.text;
        table.qualifier = t.text;
        size_t next = i + 1;
        if (next < tokens.size() && Is(tokens[next], "AS"))
            ++next;
        if (next < tokens.size() && tokens[next].kind == TokenKind::Word && !IsClauseWord(tokens[next])) {
            table.qualifier = tokens[next].text;
            i = next;
        }
        tables.push_back(table);
        expectTable = false;
    }
    return tables;
}

QString QualifyColumn(const QString& sql, const QString& column, const QString& qualifier)
{
    const std::vector<Token> tokens = Tokenize(sql);
    QString out = sql;
    // Replace from the end so that the earlier positions stay valid.
    for (size_t k = tokens.size(); k-- > 0;) {
        const Token& t = tokens[k];
        if (t.kind != TokenKind::Word || t.text.compare(column, Qt::CaseInsensitive) != 0)
            continue;
        if (k > 0 && (IsSymbol(tokens[k - 1], '.') || Is(tokens[k - 1], "AS")))
            continue;
        if (k + 1 < tokens.size() && (IsSymbol(tokens[k + 1], '.') || IsSymbol(tokens[k + 1], '(')))
            continue;
        out.insert(t.start, qualifier + '.');
    }
    return out;
}
