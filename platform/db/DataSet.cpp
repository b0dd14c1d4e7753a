#include "platform/db/DataSet.h"

#include "platform/db/Connection.h"
#include "platform/db/DataSource.h"
#include "platform/db/FieldValues.h"
#include "platform/db/Session.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <sqlite3.h>

// ---- TField ----

TField::TField(TDataSet* owner, int index, const QString& name, TFieldType type)
    : owner(owner), index(index), name(name), type(type)
{
}

TFieldType TField::TypeOfDeclared(const QString& declaredType)
{
    const QString t = declaredType.toUpper();
    if (t.isEmpty())
        return TFieldType::Unknown;
    if (t.contains("BOOL"))
        return TFieldType::Boolean;
    if (t.contains("DATETIME") || t.contains("TIMESTAMP"))
        return TFieldType::DateTime;
    if (t.contains("DATE"))
        return TFieldType::Date;
    if (t.contains("SMALLINT"))
        return TFieldType::SmallInt;
    if (t.contains("INT"))
        return TFieldType::Integer;
    if (t.contains("CHAR") || t.contains("TEXT") || t.contains("CLOB"))
        return TFieldType::String;
    if (t.contains("REAL") || t.contains("FLOA") || t.contains("DOUB") || t.contains("NUM") ||
        t.contains("DEC"))
        return TFieldType::Float;
    return TFieldType::Unknown;
}

bool TField::IsNull() const
{
    const ResultCell cell = owner->CurrentCell(index);
    return cell.kind == ResultCell::Null;
}

int TField::AsInteger() const
{
    const ResultCell cell = owner->CurrentCell(index);
    if (cell.kind == ResultCell::Integer)
        return int(cell.integer);
    return int(ValueAsInteger(owner->CurrentValue(index), name));
}

QString TField::AsString() const
{
    const ResultCell cell = owner->CurrentCell(index);
    if (cell.kind == ResultCell::Null)
        return QString();
    TDateTime date;
    switch (type) {
    case TFieldType::Date:
        return ReadStoredDate(owner->CurrentValue(index), date) ? DateToStr(date) : QString();
    case TFieldType::DateTime:
        return ReadStoredDate(owner->CurrentValue(index), date) ? DateTimeToStr(date) : QString();
    case TFieldType::Boolean:
        return ValueAsBoolean(owner->CurrentValue(index), name) ? "True" : "False";
    default:
        if (cell.kind == ResultCell::Text)
            return ResultRows::Text(cell);
        return ValueAsString(owner->CurrentValue(index));
    }
}

TDateTime TField::AsDateTime() const
{
    const ResultCell cell = owner->CurrentCell(index);
    TDateTime date;
    if (cell.kind == ResultCell::Text)
        return ReadStoredDate(ResultRows::Bytes(cell), date) ? date : TDateTime(0);
    return ValueAsDateTime(owner->CurrentValue(index));
}

bool TField::AsBoolean() const
{
    const ResultCell cell = owner->CurrentCell(index);
    if (cell.kind == ResultCell::Integer)
        return cell.integer != 0;
    return ValueAsBoolean(owner->CurrentValue(index), name);
}

QVariant TField::Value() const
{
    const QVariant v = owner->CurrentValue(index);
    if (v.isNull())
        return QVariant();
    switch (type) {
    case TFieldType::Integer:
    case TFieldType::SmallInt:
        return QVariant(AsInteger());
    case TFieldType::Boolean:
        return QVariant(AsBoolean());
    case TFieldType::Date:
    case TFieldType::DateTime:
        return QVariant(AsDateTime().Val);
    case TFieldType::String:
        return QVariant(AsString());
    default:
        return v;
    }
}

void TField::SetAsInteger(int value)
{
    owner->WriteValue(index, QVariant(qlonglong(value)));
}

void TField::SetAsString(const QString& value)
{
    // The empty text is stored as NULL, as the engine has no empty text apart from blank.
    if (value.isEmpty()) {
        owner->WriteValue(index, QVariant());
        return;
    }
    switch (type) {
    case TFieldType::Integer:
    case TFieldType::SmallInt:
        owner->WriteValue(index, QVariant(ValueAsInteger(QVariant(value), name)));
        break;
    case TFieldType::Boolean:
        SetAsBoolean(ValueAsBoolean(QVariant(value), name));
        break;
    case TFieldType::Date:
    case TFieldType::DateTime: {
        TDateTime d;
        if (!TryStrToDateTime(value, d))
            throw EDatabaseError(QString("'%1'はフィールド'%2'の正しい日付ではありません。").arg(value, name),
                                 NotAValue("日付", name), QString());
        SetAsDateTime(d);
        break;
    }
    default:
        owner->WriteValue(index, QVariant(value));
    }
}

void TField::SetAsDateTime(TDateTime value)
{
    owner->WriteValue(
        index, QVariant(type == TFieldType::DateTime ? DateTimeText(value, name) : DateText(value, name)));
}

void TField::SetAsBoolean(bool value)
{
    owner->WriteValue(index, QVariant(qlonglong(value ? 1 : 0)));
}

void TField::SetValue(const QVariant& value)
{
    if (value.isNull()) {
        Clear();
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        SetAsBoolean(value.toBool());
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        owner->WriteValue(index, QVariant(value.toLongLong()));
        break;
    case QMetaType::Double:
        if (type == TFieldType::Date || type == TFieldType::DateTime)
            SetAsDateTime(TDateTime(value.toDouble()));
        else
            owner->WriteValue(index, value);
        break;
    default:
        SetAsString(value.toString());
    }
}

void TField::Clear()
{
    owner->WriteValue(index, QVariant());
}

// ---- ResultRows ----

namespace {

// A cell: 0 is NULL; an odd cell is a small integer (of 15 bits in two bytes, of 31 in
// four), shifted left. Any other cell names a place in its row's bytes: 4 * place + 2 for
// a text, whose length goes first in 7-bit groups (one byte for a short text);
// 4 * (place + 1) for another value, a kind byte then the integer (4 or 8 bytes) or real
// (8 bytes), or a blob's length (4 bytes) and its bytes.
constexpr int NarrowBits = 14; // of a small integer's size, but for its sign
constexpr int WideBits = 30;
constexpr size_t LargestNarrowRowBytes = 16382;           // the places a narrow cell can name
constexpr size_t LargestRowBytes = (size_t(1) << 30) - 2; // the places a wide cell can name
constexpr char Integer32 = char(ResultCell::Blob + 1);    // kind byte of a 4-byte integer

bool Inline(const ResultCell& value, int bits)
{
    return value.kind == ResultCell::Null ||
           (value.kind == ResultCell::Integer && value.integer >= -(1LL << bits) &&
            value.integer < (1LL << bits));
}

bool Fits32(long long integer)
{
    return integer >= std::numeric_limits<qint32>::min() && integer <= std::numeric_limits<qint32>::max();
}

size_t LengthSize(quint32 length)
{
    size_t size = 1;
    for (; length >= 0x80; length >>= 7)
        ++size;
    return size;
}

size_t StoredSize(const ResultCell& value, int bits)
{
    if (Inline(value, bits))
        return 0;
    if (value.kind == ResultCell::Text)
        return LengthSize(quint32(value.length)) + size_t(value.length);
    if (value.kind == ResultCell::Blob)
        return 1 + sizeof(qint32) + size_t(value.length);
    if (value.kind == ResultCell::Integer && Fits32(value.integer))
        return 1 + sizeof(qint32);
    return 1 + sizeof(long long);
}

size_t RowSize(const ResultCell* values, int columns, int bits)
{
    size_t size = 0;
    for (int c = 0; c < columns; ++c)
        size += StoredSize(values[c], bits);
    return size;
}

} // namespace

void ResultRows::Reset(int columnCount)
{
    // The runs and blocks keep their room for the next result, as a query runs much the
    // same statement again; they are only filled anew.
    for (size_t run = 0; run < usedRuns; ++run) {
        runs[run].cells.clear();
        runs[run].bytes.clear();
        runs[run].wide = false;
    }
    usedRuns = 0;
    allWide = false;
    for (size_t block = 0; block < usedBlocks; ++block)
        blocks[block].used = 0;
    usedBlocks = 0;
    count = 0;
    lastRow = -1;
    columns = columnCount;
}

const ResultRows::Place& ResultRows::PlaceOf(int row) const
{
    if (row == lastRow)
        return last;
    const int growing = FirstRunRows * ((1 << GrowingRuns) - 1); // rows of the growing runs
    size_t run;
    int offset;
    if (row < growing) {
        run = size_t(std::bit_width(unsigned(row / FirstRunRows + 1)) - 1);
        offset = row - FirstRunRows * ((1 << run) - 1);
    } else {
        run = GrowingRuns + size_t((row - growing) / LargestRunRows);
        offset = (row - growing) % LargestRunRows;
    }
    auto& r = const_cast<Run&>(runs[run]);
    last.cells = r.cells.data() + size_t(offset) * size_t(columns) * (r.wide ? 2 : 1);
    last.bytes = r.bytes.data() + offset;
    last.wide = r.wide;
    last.run = run;
    lastRow = row;
    return last;
}

ResultCell ResultRows::Decode(quint32 cell, const char* bytes)
{
    ResultCell value;
    if (cell == 0)
        return value;
    if (cell & 1) {
        value.kind = ResultCell::Integer;
        value.integer = qint32(cell) >> 1;
        return value;
    }
    if (cell & 2) {
        const auto* stored = reinterpret_cast<const unsigned char*>(bytes + (cell >> 2));
        quint32 length = 0;
        for (int shift = 0;; shift += 7) {
            const unsigned char byte = *stored++;
            length |= quint32(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                break;
        }
        value.kind = ResultCell::Text;
        value.length = int(length);
        value.data = reinterpret_cast<const char*>(stored);
        return value;
    }
    const char* stored = bytes + (cell >> 2) - 1;
    if (*stored == Integer32) {
        qint32 integer;
        std::memcpy(&integer, stored + 1, sizeof integer);
        value.kind = ResultCell::Integer;
        value.integer = integer;
        return value;
    }
    value.kind = ResultCell::Kind(*stored++);
    switch (value.kind) {
    case ResultCell::Integer:
        std::memcpy(&value.integer, stored, sizeof value.integer);
        break;
    case ResultCell::Real:
        std::memcpy(&value.real, stored, sizeof value.real);
        break;
    default: {
        qint32 length;
        std::memcpy(&length, stored, sizeof length);
        value.length = length;
        value.data = stored + sizeof length;
    }
    }
    return value;
}

char* ResultRows::Allocate(size_t size)
{
    if (usedBlocks > 0) {
        Block& block = blocks[usedBlocks - 1];
        if (block.capacity - block.used >= size) {
            char* place = block.data.get() + block.used;
            block.used += size;
            return place;
        }
    }
    // Blocks grow from 4 KiB to 16 KiB, so that little of the last is left unused; a
    // larger row has a block of its own size.
    const size_t wanted = std::max(size, size_t(4096) << std::min<size_t>(usedBlocks, 2));
    if (usedBlocks == blocks.size())
        blocks.emplace_back();
    Block& block = blocks[usedBlocks++];
    if (block.capacity < size) {
        block.data.reset(new char[wanted]);
        block.capacity = wanted;
    }
    block.used = size;
    return block.data.get();
}

void ResultRows::Encode(int row, const ResultCell* values)
{
    EncodeSized(row, values, RowSize(values, columns, PlaceOf(row).wide ? WideBits : NarrowBits));
}

namespace {

// Writes a row's values into its cells (two bytes each in a narrow run, four in a wide
// one) and its bytes, sized for them.
template <bool Wide> void WriteCells(quint16* cells, char* bytes, const ResultCell* values, int columns)
{
    constexpr int bits = Wide ? WideBits : NarrowBits;
    size_t at = 0;
    for (int c = 0; c < columns; ++c) {
        const ResultCell& value = values[c];
        quint32 cell;
        if (value.kind == ResultCell::Null) {
            cell = 0;
        } else if (Inline(value, bits)) {
            cell = (quint32(qint32(value.integer)) << 1) | 1;
        } else if (value.kind == ResultCell::Text) {
            cell = (quint32(at) << 2) | 2;
            quint32 length = quint32(value.length);
            for (; length >= 0x80; length >>= 7)
                bytes[at++] = char((length & 0x7f) | 0x80);
            bytes[at++] = char(length);
            if (value.length > 0)
                std::memcpy(bytes + at, value.data, size_t(value.length));
            at += size_t(value.length);
        } else {
            cell = quint32(at + 1) << 2;
            if (value.kind == ResultCell::Integer && Fits32(value.integer)) {
                bytes[at++] = Integer32;
                const qint32 integer = qint32(value.integer);
                std::memcpy(bytes + at, &integer, sizeof integer);
                at += sizeof integer;
            } else if (value.kind == ResultCell::Blob) {
                bytes[at++] = char(value.kind);
                const qint32 length = value.length;
                std::memcpy(bytes + at, &length, sizeof length);
                at += sizeof length;
                if (length > 0)
                    std::memcpy(bytes + at, value.data, size_t(length));
                at += size_t(length);
            } else {
                bytes[at++] = char(value.kind);
                std::memcpy(bytes + at, &value.integer, sizeof value.integer);
                at += sizeof value.integer;
            }
        }
        if constexpr (Wide)
            std::memcpy(cells + 2 * c, &cell, sizeof cell);
        else
            cells[c] = quint16(cell);
    }
}

} // namespace

void ResultRows::EncodeSized(int row, const ResultCell* values, size_t size)
{
    bool wide = PlaceOf(row).wide;
    if (!wide && size > LargestNarrowRowBytes) {
        Widen(PlaceOf(row).run);
        wide = true;
        size = RowSize(values, columns, WideBits);
    }
    if (size > LargestRowBytes)
        throw EDatabaseError("結果の行が大きすぎて読み込めません。");
    const Place& place = PlaceOf(row);
    char* bytes = size ? Allocate(size) : nullptr;
    *place.bytes = bytes;
    if (wide)
        WriteCells<true>(place.cells, bytes, values, columns);
    else
        WriteCells<false>(place.cells, bytes, values, columns);
}

void ResultRows::Widen(size_t run)
{
    Run& r = runs[run];
    if (r.wide)
        return;
    std::vector<quint16> wide;
    // Reserved in full, as the run was, so that it is not moved again.
    wide.reserve(size_t(RunRows(run)) * size_t(columns) * 2);
    wide.resize(r.cells.size() * 2);
    for (size_t c = 0; c < r.cells.size(); ++c) {
        const quint16 narrow = r.cells[c];
        const quint32 cell = narrow & 1 ? quint32(qint32(qint16(narrow))) : narrow;
        std::memcpy(wide.data() + 2 * c, &cell, sizeof cell);
    }
    r.cells = std::move(wide);
    r.wide = true;
    lastRow = -1;
}

void ResultRows::WidenAll()
{
    for (size_t run = 0; run < usedRuns; ++run)
        Widen(run);
    allWide = true;
}

void ResultRows::AddRow()
{
    if (usedRuns == 0 || runs[usedRuns - 1].bytes.size() == size_t(RunRows(usedRuns - 1))) {
        if (usedRuns == runs.size())
            runs.emplace_back();
        // Reserved in full before any row goes in, so that a run is never moved (but to
        // be widened).
        Run& run = runs[usedRuns];
        run.wide = allWide;
        run.cells.reserve(size_t(RunRows(usedRuns)) * size_t(columns) * (run.wide ? 2 : 1));
        run.bytes.reserve(size_t(RunRows(usedRuns)));
        ++usedRuns;
    }
    Run& run = runs[usedRuns - 1];
    run.cells.resize(run.cells.size() + size_t(columns) * (run.wide ? 2 : 1));
    run.bytes.push_back(nullptr);
    ++count;
    lastRow = -1;
}

void ResultRows::AppendRow(sqlite3_stmt* statement)
{
    scratch.resize(size_t(columns));
    AddRow();
    // The row's size is summed up as its values are read, at the width of its run.
    const int bits = PlaceOf(count - 1).wide ? WideBits : NarrowBits;
    size_t size = 0;
    for (int c = 0; c < columns; ++c) {
        ResultCell& cell = scratch[size_t(c)];
        sqlite3_value* value = sqlite3_column_value(statement, c);
        switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            cell.kind = ResultCell::Integer;
            cell.integer = sqlite3_value_int64(value);
            if (!Inline(cell, bits))
                size += 1 + (Fits32(cell.integer) ? sizeof(qint32) : sizeof(long long));
            break;
        case SQLITE_FLOAT:
            cell.kind = ResultCell::Real;
            cell.real = sqlite3_value_double(value);
            size += 1 + sizeof(double);
            break;
        case SQLITE_TEXT:
            cell.kind = ResultCell::Text;
            cell.data = reinterpret_cast<const char*>(sqlite3_value_text(value));
            cell.length = sqlite3_value_bytes(value);
            size += LengthSize(quint32(cell.length)) + size_t(cell.length);
            break;
        case SQLITE_BLOB:
            cell.kind = ResultCell::Blob;
            cell.data = static_cast<const char*>(sqlite3_value_blob(value));
            cell.length = sqlite3_value_bytes(value);
            size += 1 + sizeof(qint32) + size_t(cell.length);
            break;
        default:
            cell.kind = ResultCell::Null;
            break;
        }
    }
    EncodeSized(count - 1, scratch.data(), size);
}

void ResultRows::insert(int row)
{
    // Rows move from run to run: all of one width.
    WidenAll();
    AddRow();
    for (int r = count - 1; r > row; --r) {
        const Place from = PlaceOf(r - 1);
        const Place& to = PlaceOf(r);
        std::copy_n(from.cells, 2 * columns, to.cells);
        *to.bytes = *from.bytes;
    }
    const Place& place = PlaceOf(row);
    std::fill_n(place.cells, 2 * columns, quint16(0));
    *place.bytes = nullptr;
}

void ResultRows::erase(int row)
{
    WidenAll();
    for (int r = row; r + 1 < count; ++r) {
        const Place from = PlaceOf(r + 1);
        const Place& to = PlaceOf(r);
        std::copy_n(from.cells, 2 * columns, to.cells);
        *to.bytes = *from.bytes;
    }
    Run& run = runs[usedRuns - 1];
    run.cells.resize(run.cells.size() - 2 * size_t(columns));
    run.bytes.pop_back();
    if (run.bytes.empty())
        --usedRuns;
    --count;
    lastRow = -1;
}

std::vector<QVariant> ResultRows::Copy(int row) const
{
    std::vector<QVariant> values;
    values.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c)
        values.push_back(Value(row, c));
    return values;
}

void ResultRows::EncodeVariants(int row, const std::vector<QVariant>& values)
{
    // Texts and blobs are held here while the row is written anew.
    std::vector<QByteArray> held(static_cast<size_t>(columns));
    std::vector<ResultCell> cells(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        const QVariant& value = values[size_t(c)];
        ResultCell& cell = cells[size_t(c)];
        if (value.isNull())
            continue;
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            cell.kind = ResultCell::Integer;
            cell.integer = value.toLongLong();
            break;
        case QMetaType::Double:
            cell.kind = ResultCell::Real;
            cell.real = value.toDouble();
            break;
        case QMetaType::QByteArray:
            held[size_t(c)] = value.toByteArray();
            cell.kind = ResultCell::Blob;
            break;
        default:
            held[size_t(c)] = value.toString().toUtf8();
            cell.kind = ResultCell::Text;
        }
        if (cell.kind == ResultCell::Text || cell.kind == ResultCell::Blob) {
            cell.data = held[size_t(c)].constData();
            cell.length = int(held[size_t(c)].size());
        }
    }
    Encode(row, cells.data());
}

void ResultRows::Assign(int row, const std::vector<QVariant>& values)
{
    EncodeVariants(row, values);
}

void ResultRows::Set(int row, int column, const QVariant& value)
{
    // The row is written anew with its new value; its old bytes stay unused until Reset.
    std::vector<QVariant> values = Copy(row);
    values[size_t(column)] = value;
    EncodeVariants(row, values);
}

QVariant ResultRows::Value(const ResultCell& cell)
{
    switch (cell.kind) {
    case ResultCell::Integer:
        return QVariant(qlonglong(cell.integer));
    case ResultCell::Real:
        return QVariant(cell.real);
    case ResultCell::Text:
        return QVariant(Text(cell));
    case ResultCell::Blob:
        return QVariant(Bytes(cell).toByteArray());
    default:
        return QVariant();
    }
}

// ---- TDataSet ----

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

void TDataSet::connectNotify(const QMetaMethod&)
{
    ++listeners;
}

void TDataSet::disconnectNotify(const QMetaMethod&)
{
    listeners = std::max(listeners - 1, 0);
}

void TDataSet::Notify(void (TDataSet::*own)(), void (TDataSource::*linked)())
{
    if (listeners > 0)
        (this->*own)();
    // A source may unlink itself (or another) from what it tells: walk a copy.
    if (sources.size() == 1) {
        sources.front()->Tell(linked);
        return;
    }
    const std::vector<TDataSource*> linkedNow = sources;
    for (TDataSource* source : linkedNow)
        if (std::find(sources.begin(), sources.end(), source) != sources.end())
            source->Tell(linked);
}

void TDataSet::NotifyOpened()
{
    Notify(&TDataSet::DataSetOpened, &TDataSource::DataSetOpened);
}

void TDataSet::NotifyClosed()
{
    Notify(&TDataSet::DataSetClosed, &TDataSource::DataSetClosed);
}

void TDataSet::NotifyMoved()
{
    Notify(&TDataSet::CursorMoved, &TDataSource::CursorMoved);
}

void TDataSet::NotifyChanged()
{
    Notify(&TDataSet::DataChanged, &TDataSource::DataChanged);
}

void TDataSet::NotifyState()
{
    Notify(&TDataSet::StateChanged, &TDataSource::StateChanged);
}

void TDataSet::SetActive(bool active)
{
    if (active && !Active())
        Open();
    else if (!active && Active())
        Close();
}

void TDataSet::Close()
{
    if (!Active())
        return;
    DropResult();
    SetState(TDataSetState::Inactive);
    NotifyClosed();
}

int TDataSet::RecordCount() const
{
    return int(rows.size());
}

int TDataSet::RecNo() const
{
    return current + 1;
}

bool TDataSet::Eof() const
{
    return eof;
}

bool TDataSet::Bof() const
{
    return bof;
}

void TDataSet::MoveTo(int row)
{
    current = rows.empty() ? -1 : std::clamp(row, 0, int(rows.size()) - 1);
    NotifyMoved();
}

void TDataSet::First()
{
    bof = true;
    eof = rows.empty();
    MoveTo(0);
}

void TDataSet::Next()
{
    bof = false;
    if (current + 1 < int(rows.size())) {
        eof = false;
        MoveTo(current + 1);
    } else {
        eof = true; // the cursor stays on the last row
    }
}

void TDataSet::Prior()
{
    eof = false;
    if (current > 0) {
        bof = false;
        MoveTo(current - 1);
    } else {
        bof = true;
    }
}

void TDataSet::Last()
{
    eof = true;
    bof = rows.empty();
    MoveTo(int(rows.size()) - 1);
}

void TDataSet::MoveBy(int distance)
{
    for (; distance > 0; --distance)
        Next();
    for (; distance < 0; ++distance)
        Prior();
}

TField* TDataSet::Fields(int index) const
{
    if (index < 0 || index >= int(fields.size()))
        throw EDatabaseError(QString("フィールドの番号%1は範囲外です。").arg(index));
    return fields[index].get();
}

TField* TDataSet::FindField(QAnyStringView name) const
{
    // Compared as given, without making a string of the name.
    for (const auto& f : fields)
        if (SameName(f->FieldName(), name))
            return f.get();
    return nullptr;
}

TField* TDataSet::FieldByName(QAnyStringView name) const
{
    TField* field = FindField(name);
    if (!field)
        throw EDatabaseError(QString("フィールド'%1'が見つかりません。").arg(name.toString()));
    return field;
}

ResultCell TDataSet::CurrentCell(int column) const
{
    if (current < 0 || current >= int(rows.size()))
        return ResultCell();
    return rows.At(current, column);
}

QVariant TDataSet::CurrentValue(int column) const
{
    return ResultRows::Value(CurrentCell(column));
}

void TDataSet::WriteValue(int, const QVariant&)
{
    throw EDatabaseError("データセットが編集中でも挿入中でもありません。");
}

void TDataSet::SetState(TDataSetState newState)
{
    if (state == newState)
        return;
    state = newState;
    NotifyState();
}

DbConnection& TDataSet::Connection()
{
    TSession* session = Session ? Session : TSession::Find(SessionName);
    if (!connection || connectionSession != session || connectionName != DatabaseName) {
        connection.reset();
        connection = session->Connection(DatabaseName);
        connectionSession = session;
        connectionName = DatabaseName;
    }
    return *connection;
}

void TDataSet::LoadResult(const DbStatement& kept, const QString& sql, bool firstRowOnly)
{
    sqlite3_stmt* statement = kept.get();
    DropResult();
    // Stepped before its columns are read: a kept statement whose tables have changed since
    // is prepared again by SQLite at its first step, its columns with it.
    int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        connection->Raise(sql);
    const int columns = sqlite3_column_count(statement);
    // A dataset mostly opens the same statement again (a lookup, a search): its columns'
    // names and types are worked out once, while the statement's columns stay the same.
    // The very statement kept since, not prepared again, has them without a look.
    const int reprepares = sqlite3_stmt_status(statement, SQLITE_STMTSTATUS_REPREPARE, 0);
    const bool sameStatement = kept.Kept() && statement == memoStatement &&
                               connection->Generation() == memoGeneration && reprepares == memoReprepares;
    memoStatement = kept.Kept() ? statement : nullptr;
    memoGeneration = connection->Generation();
    memoReprepares = reprepares;
    bool same = int(columnMemo.size()) == columns;
    for (int c = 0; same && !sameStatement && c < columns; ++c) {
        const char* declared = sqlite3_column_decltype(statement, c);
        same = columnMemo[c].rawName == sqlite3_column_name(statement, c) &&
               columnMemo[c].rawDeclared == (declared ? declared : "");
    }
    if (!same) {
        columnMemo.clear();
        for (int c = 0; c < columns; ++c) {
            const char* declared = sqlite3_column_decltype(statement, c);
            ColumnMemo memo;
            memo.rawName = sqlite3_column_name(statement, c);
            memo.rawDeclared = declared ? declared : "";
            memo.name = QString::fromUtf8(memo.rawName);
            memo.type = TField::TypeOfDeclared(QString::fromLatin1(memo.rawDeclared));
            columnMemo.push_back(std::move(memo));
        }
    }
    if (same && int(spareFields.size()) == columns) {
        fields = std::move(spareFields);
    } else {
        fields.reserve(columns);
        for (int c = 0; c < columns; ++c)
            fields.push_back(std::make_unique<TField>(this, c, columnMemo[c].name, columnMemo[c].type));
    }
    spareFields.clear();
    rows.Reset(columns);
    for (; rc == SQLITE_ROW; rc = sqlite3_step(statement)) {
        rows.AppendRow(statement);
        if (firstRowOnly) {
            rc = SQLITE_DONE;
            break;
        }
    }
    if (rc != SQLITE_DONE) {
        DropResult();
        connection->Raise(sql);
    }
    current = rows.empty() ? -1 : 0;
    bof = true;
    eof = rows.empty();
}

void TDataSet::DropResult()
{
    rows.Reset(0);
    // Kept aside for the next result of the same columns; the dataset shows none. A
    // dataset closed already keeps the fields it set aside then.
    if (!fields.empty()) {
        spareFields = std::move(fields);
        fields.clear();
    }
    current = -1;
    bof = eof = true;
}

QString TDataSet::RowText(int row, int column) const
{
    if (row < 0 || row >= int(rows.size()) || column < 0 || column >= FieldCount())
        return QString();
    // The field reads the current row: point it at `row` for the read, nothing told.
    auto* self = const_cast<TDataSet*>(this);
    const int saved = self->current;
    self->current = row;
    QString text;
    try {
        text = fields[size_t(column)]->AsString();
    } catch (...) {
        self->current = saved;
        throw;
    }
    self->current = saved;
    return text;
}
