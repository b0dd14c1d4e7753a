#pragma once
// A query: SQL text as a list of lines, named parameters bound with typed setters,
// a whole result read at Open.
#include "platform/db/Connection.h"
#include "platform/db/DataSet.h"
#include "platform/rtl/StringList.h"

#include <memory>
#include <vector>

class DbStatement;

class TParam
{
public:
    explicit TParam(const QString& name) : name(name) {}
    const QString& Name() const { return name; }

    void SetAsInteger(int value);
    void SetAsSmallInt(int value);
    void SetAsDate(TDateTime value); // the date part only
    void SetAsDateTime(TDateTime value);
    void SetAsString(const QString& value); // the empty text binds NULL
    void SetAsBoolean(bool value);
    void Clear(); // binds NULL
    bool Bound() const { return bound; }
    const QVariant& Value() const { return value; }

private:
    QString name;
    QVariant value;
    bool bound = false;
};

class TQuery : public TDataSet
{
    Q_OBJECT
public:
    explicit TQuery(QObject* parent = nullptr);
    ~TQuery() override;

    // Changing the text closes an open query and drops the parameters' values.
    TStrings* const SQL;

    // Matched without regard to case; raises EDatabaseError for a name the text lacks.
    TParam* ParamByName(QAnyStringView name);
    int ParamCount() const;
    // New at every change of the text, and never the same for two texts of any query: a
    // caller that wrote the text can tell that it holds still.
    unsigned long long TextGeneration() const { return textGeneration; }

    void Open() override;
    // Opens the query on the first row of its result only, or none, and lets its statement
    // go at once: a lookup that needs one row reads no further, and holds no lock after.
    // RecordCount is then 0 or 1, so it tells only whether any row was found.
    void OpenFirstRow();
    void Close() override;
    // Runs a statement that gives no rows (INSERT, UPDATE, DELETE).
    void ExecSQL();
    int RowsAffected() const;
    // The Code given to the row of the last INSERT on this query's database.
    long long LastInsertId() const;

private:
    void OpenRows(bool firstRowOnly);
    void SqlChanged();
    QString Text() const;
    // Prepares the text and binds every parameter; raises for one left unbound.
    DbStatement PrepareBound(const QString& sql);

    // The parameters are found in the text when first asked for after a change.
    void ParseParams() const;
    mutable std::vector<std::unique_ptr<TParam>> params;
    mutable bool paramsStale = false;
    mutable QString text;
    mutable bool textStale = true;
    DbConnection::CachePlace statementPlace; // of the text's statement, until the text changes
    int rowsAffected = 0;
    unsigned long long textGeneration;
};
