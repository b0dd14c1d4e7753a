#include "core/data/StoreFailure.h"

#include "platform/rtl/Exceptions.h"

#include <exception>

Q_LOGGING_CATEGORY(lcData, "kvr.data")

namespace dmdb {

namespace {

// The windows and the data store run on the one thread of the user interface.
const Operation* current = nullptr;
Refusal refusal = Refusal::None;

// The statement as one line, its blanks and line breaks collapsed, cut after about
// StatementRoom characters at a blank ("..." marks the cut). Only the statement's text
// goes there: the values bound to it are clinical data and never leave the program.
constexpr int StatementRoom = 160;

QString StatementLine(const QString& statement)
{
    const QString line = statement.simplified();
    if (line.size() <= StatementRoom)
        return line;
    const int blank = line.lastIndexOf(' ', StatementRoom);
    return line.left(blank > 0 ? blank : StatementRoom) + " ...";
}

QString OneLine(QString text)
{
    return text.replace("\r\n", " ").replace('\n', ' ').trimmed();
}

} // namespace

Operation::Operation(const char* name, Kind kind) : outer(current), name(name)
{
    if (!outer && kind == Data)
        refusal = Refusal::None;
    current = this;
}

Operation::~Operation()
{
    current = outer;
}

QString Operation::Current()
{
    QString path;
    for (const Operation* o = current; o; o = o->outer)
        path = path.isEmpty() ? QString::fromLatin1(o->name) : QString::fromLatin1(o->name) + " > " + path;
    return path;
}

Refusal LastRefusal()
{
    return refusal;
}

int Refused(Refusal why, int code)
{
    refusal = why;
    return code;
}

void ReportFailure()
{
    QString reason;
    QString statement;
    try {
        throw;
    } catch (const EDatabaseError& e) {
        reason = e.Reason.isEmpty() ? OneLine(e.Message) : OneLine(e.Reason);
        statement = StatementLine(e.Statement);
        // What the operator can act on goes into the window's box too.
        switch (e.Cause) {
        case TEngineCause::ReadOnly:
            refusal = Refusal::ReadOnly;
            break;
        case TEngineCause::DiskFull:
            refusal = Refusal::DiskFull;
            break;
        case TEngineCause::Locked:
            refusal = Refusal::Locked;
            break;
        case TEngineCause::Other:
            break;
        }
    } catch (const Exception& e) {
        reason = OneLine(e.Message);
    } catch (const std::exception& e) {
        reason = OneLine(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reason = "an exception of no known kind";
    }
    qCWarning(lcData).noquote() << Operation::Current() + ": " + reason +
                                       (statement.isEmpty() ? QString() : " [" + statement + "]");
}

} // namespace dmdb
