#pragma once
// Where the data store keeps the reason of a failure it turns into a code: one line on
// standard error through Qt's logging, under the category "kvr.data", so that a desktop
// session's journal keeps it for whoever supports the operator. The codes stay as they are.
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcData)

namespace dmdb {

// The operation a step belongs to, while it runs: a failure inside names the operations it is
// a step of, outermost first ("ReplaceNote > GetKarteCode").
class Operation
{
public:
    // A housekeeping step (the shared lock of a reading taken or let go) is no data operation
    // of its own: when outermost it leaves the last operation's refusal as it was.
    enum Kind { Data, Housekeeping };
    explicit Operation(const char* name, Kind kind = Data);
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;
    static QString Current();

private:
    const Operation* outer;
    const char* name;
};

// Why the last operation refused a store, where more can be said than its code. Each outermost
// operation starts with none.
enum class Refusal {
    None,
    // The record is no longer as the window read it: another program deleted or changed it.
    Stale,
    // What the engine said of the statement that failed.
    ReadOnly,
    DiskFull,
    Locked,
};
Refusal LastRefusal();
// Keeps `why` for the current operation and gives `code`, the refusal's return code.
int Refused(Refusal why, int code);
// The same for a record found gone or changed.
inline int Stale(int code)
{
    return Refused(Refusal::Stale, code);
}

// Writes the line for the exception being handled (call it inside a catch): the current
// operation, the engine's message and the statement it refused, on one line.
void ReportFailure();

// Runs `step`, a step of the current operation: what it gives, or `failure` when anything
// below it raises; the reason then goes to standard error.
template <class Result, class Step> Result Caught(Result failure, Step step)
{
    try {
        return step();
    } catch (...) {
        ReportFailure();
        return failure;
    }
}

// The same, as the operation `name`.
template <class Result, class Step> Result Guarded(const char* name, Result failure, Step step)
{
    const Operation operation(name);
    return Caught(failure, step);
}

} // namespace dmdb
