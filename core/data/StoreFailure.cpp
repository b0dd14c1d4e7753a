#include "core/data/StoreFailure.h"

#include "platform/rtl/Exceptions.h"

#include <exception>

Q_LOGGING_CATEGORY(lcData, "kvr.data")

namespace dmdb {

namespace {

// The windows and the data store run on the one thread of the user interface.
const Operation* current = nullptr;

QString FirstLine(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.left(trimmed.indexOf('\n')).trimmed();
}

QString OneLine(QString text)
{
    return text.replace("\r\n", " ").replace('\n', ' ').trimmed();
}

} // namespace

Operation::Operation(const char* name) : outer(current), name(name)
{
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

void ReportFailure()
{
    QString reason;
    QString statement;
    try {
        throw;
    } catch (const EDatabaseError& e) {
        reason = e.Reason.isEmpty() ? OneLine(e.Message) : OneLine(e.Reason);
        statement = FirstLine(e.Statement);
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
