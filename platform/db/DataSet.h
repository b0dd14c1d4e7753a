#pragma once
// Datasets of the database engine: the rows of an opened query or table, a cursor
// over them, and typed access to the current row's fields.
#include "platform/rtl/DateTime.h"

#include <QAnyStringView>
#include <QObject>
#include <QString>
#include <QVariant>
#include <bit>
#include <cstring>
#include <memory>
#include <vector>

class TSession;
class TDataSet;
class TDataSource;
class DbConnection;
class DbStatement;
struct sqlite3_stmt;

enum class TFieldType { Integer, SmallInt, String, Date, DateTime, Boolean, Float, Unknown };

enum class TDataSetState { Inactive, Browse, Edit, Insert };

// One column of the current row. NULL reads as 0, "", false and date 0; a date column
// read as text gives its short date text.
class TField
{
public:
    TField(TDataSet* owner, int index, const QString& name, TFieldType type);

    const QString& FieldName() const { return name; }
    TFieldType DataType() const { return type; }
    int Index() const { return index; }

    // The declared column type that the field's type comes from ("DATE", "BOOLEAN", ...).
    static TFieldType TypeOfDeclared(const QString& declaredType);

    bool IsNull() const;
    int AsInteger() const;
    QString AsString() const;
    TDateTime AsDateTime() const;
    bool AsBoolean() const;
    // Null for NULL; else an integer, a bool, a date as days (double) or a text, by type.
    QVariant Value() const;

    // Writing is allowed while the owning table is in the edit or insert state.
    void SetAsInteger(int value);
    void SetAsString(const QString& value);
    void SetAsDateTime(TDateTime value);
    void SetAsBoolean(bool value);
    void SetValue(const QVariant& value);
    void Clear();

private:
    TDataSet* owner;
    int index;
    QString name;
    TFieldType type;
};

// One value of a result as a field reads it: NULL, an integer, a real, or a text (UTF-8,
// as the file has it) or blob whose bytes stay in the result.
struct ResultCell
{
    enum Kind : unsigned char { Null, Integer, Real, Text, Blob };
    Kind kind = Null;
    int length = 0; // of a text or blob, in bytes (SQLite's own limit is below 2 GB)
    union {
        long long integer = 0;
        double real;
        const char* data; // of a text or blob
    };
};

// The rows of an open result, kept compact: two or four bytes a value, row after row, in
// runs that grow from 8 rows to 1024 and are never moved. NULL and a small integer are
// the cell itself; any other value says where in its row's bytes it is (a short text
// takes one byte more than its own), and the bytes of the rows go into blocks that are
// never moved either. A run has cells of two bytes until a row of it needs four. A text
// is converted when a field reads it, so the rows a reader skips cost no conversion.
class ResultRows
{
public:
    ResultRows() = default;
    ResultRows(const ResultRows&) = delete;
    ResultRows& operator=(const ResultRows&) = delete;

    void Reset(int columnCount);
    int size() const { return count; }
    bool empty() const { return count == 0; }
    // The value of a cell; a text's or blob's bytes are valid until the rows change.
    ResultCell At(int row, int column) const
    {
        const Place& p = PlaceOf(row);
        quint32 cell;
        if (p.wide) {
            std::memcpy(&cell, p.cells + 2 * column, sizeof cell);
        } else {
            const quint16 narrow = p.cells[column];
            cell = narrow & 1 ? quint32(qint32(qint16(narrow))) : narrow; // a small integer keeps its sign
        }
        return Decode(cell, *p.bytes);
    }
    // Appends the statement's current row.
    void AppendRow(sqlite3_stmt* statement);
    // A row of NULL cells at `row`.
    void insert(int row);
    void erase(int row);
    std::vector<QVariant> Copy(int row) const;
    void Assign(int row, const std::vector<QVariant>& values);
    // Keeps a value written by an edit: integers and booleans as integers, doubles as
    // reals, byte arrays as blobs, anything else as its text.
    void Set(int row, int column, const QVariant& value);

    static QByteArrayView Bytes(const ResultCell& cell) { return QByteArrayView(cell.data, cell.length); }
    static QString Text(const ResultCell& cell) { return QString::fromUtf8(Bytes(cell)); }
    // The value as a variant: null, qlonglong, double, QString or QByteArray.
    static QVariant Value(const ResultCell& cell);
    QVariant Value(int row, int column) const { return Value(At(row, column)); }

private:
    static constexpr int FirstRunRows = 8;
    static constexpr int LargestRunRows = 1024;
    static constexpr int GrowingRuns = 7; // 8, 16, ... 512 rows, then runs of 1024
    static int RunRows(size_t run) { return run < GrowingRuns ? FirstRunRows << run : LargestRunRows; }
    struct Run
    {
        std::vector<quint16> cells; // two a value in a wide run
        std::vector<char*> bytes;   // of each row, null when it has none
        bool wide = false;
    };
    // Where a row's cells and bytes are; a field reads one row many times over, so the
    // last row's place is remembered.
    struct Place
    {
        quint16* cells;
        char** bytes;
        bool wide;
        size_t run;
    };
    const Place& PlaceOf(int row) const;
    static ResultCell Decode(quint32 cell, const char* bytes);
    // Writes a row's values into its cells and new bytes.
    void Encode(int row, const ResultCell* values);
    // The same, the row's size in bytes at the width of its run given (as AppendRow works
    // it out while it reads the values).
    void EncodeSized(int row, const ResultCell* values, size_t size);
    void EncodeVariants(int row, const std::vector<QVariant>& values);
    // Room for one more row, its cells NULL.
    void AddRow();
    // Four bytes to each cell of the run; of every run, before rows move between runs.
    void Widen(size_t run);
    void WidenAll();
    // `size` bytes that stay where they are until Reset.
    char* Allocate(size_t size);

    int columns = 0;
    int count = 0;
    mutable int lastRow = -1;
    mutable Place last{};
    std::vector<Run> runs;
    size_t usedRuns = 0;
    bool allWide = false; // the rows were edited: every run is wide
    struct Block
    {
        std::unique_ptr<char[]> data;
        size_t capacity = 0;
        size_t used = 0;
    };
    std::vector<Block> blocks;       // the bytes of the rows
    size_t usedBlocks = 0;           // blocks[usedBlocks - 1] is being filled
    std::vector<ResultCell> scratch; // one row's values while it is appended
};

// Base of queries and tables. Notifies its data sources (signals) when it opens,
// closes, moves or changes.
class TDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    // The session and the folder whose database file holds the tables.
    TSession* Session = nullptr;
    QString SessionName;
    QString DatabaseName;

    bool Active() const { return state != TDataSetState::Inactive; }
    void SetActive(bool active);
    virtual void Open() = 0;
    virtual void Close();
    TDataSetState State() const { return state; }

    int RecordCount() const;
    int RecNo() const; // 1-based position of the current row, 0 when there is none
    bool Eof() const;
    bool Bof() const;
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual void Last();
    virtual void MoveBy(int distance);

    // The fields of the open result; they are made at Open and destroyed at Close, so a
    // control keeps no TField* across DataSetClosed.
    int FieldCount() const { return int(fields.size()); }
    TField* Fields(int index) const;
    // Matched without regard to case; raises EDatabaseError for an unknown name.
    TField* FieldByName(QAnyStringView name) const;
    TField* FindField(QAnyStringView name) const;
    // The text field `column` shows in row `row` (0-based), as AsString gives it; the
    // data-aware grid reads every row through it without moving the cursor.
    QString RowText(int row, int column) const;

signals:
    void DataSetOpened();
    void DataSetClosed();
    void CursorMoved();
    void DataChanged(); // a row's values, or the set of rows, changed
    void StateChanged();

protected:
    friend class TField;
    friend class TDataSource;
    // Emits one of the dataset's notifications, and the same one of each data source
    // linked to it: called directly rather than through a connection, which costs a
    // lookup run for every row of a walk twice over.
    void Notify(void (TDataSet::*own)(), void (TDataSource::*linked)());
    void NotifyOpened();
    void NotifyClosed();
    void NotifyMoved();
    void NotifyChanged();
    void NotifyState();
    // Connections to the notifications, at least as many as there are: with none, a
    // notification is not emitted at all.
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;
    // The current row's value of a column; an empty dataset gives a null value.
    QVariant CurrentValue(int column) const;
    // The current row's value of a column, NULL when there is no current row.
    ResultCell CurrentCell(int column) const;
    virtual void WriteValue(int column, const QVariant& value);
    void SetState(TDataSetState newState);

    // The session's open database of DatabaseName, kept while the dataset uses it.
    DbConnection& Connection();
    // Reads every row of a stepped-from-the-start statement, defining the fields from its
    // columns; with `firstRowOnly`, its first row at most, the rest left unread.
    void LoadResult(const DbStatement& statement, const QString& sql, bool firstRowOnly = false);
    void DropResult();
    void MoveTo(int row); // sets the position and tells the data sources

    std::shared_ptr<DbConnection> connection;
    TSession* connectionSession = nullptr;
    QString connectionName;
    std::vector<std::unique_ptr<TField>> fields;
    ResultRows rows;
    struct ColumnMemo
    {
        QByteArray rawName;
        QByteArray rawDeclared;
        QString name;
        TFieldType type;
    };
    std::vector<ColumnMemo> columnMemo; // the columns of the last result
    // The kept statement they were read from, while it is the same: not let go by its
    // cache (the generation) nor prepared again by SQLite.
    sqlite3_stmt* memoStatement = nullptr;
    unsigned long long memoGeneration = 0;
    int memoReprepares = 0;
    std::vector<std::unique_ptr<TField>> spareFields; // its fields, once it is closed
    int current = -1;                                 // index into rows, -1 when empty
    bool eof = true;
    bool bof = true;
    TDataSetState state = TDataSetState::Inactive;
    std::vector<TDataSource*> sources; // linked to it, in the order they were
    int listeners = 0;
};
