#pragma once
// The run-time library's exception classes. Every exception carries a message
// text, which the application-wide handler shows as it is.
#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception
{
public:
    explicit Exception(const QString& message = QString()) : Message(message), utf8(message.toUtf8()) {}
    const char* what() const noexcept override { return utf8.constData(); }

    QString Message;

private:
    QByteArray utf8;
};

// A text that does not convert to a number or a date.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// A file that cannot be read or written.
class EInOutError : public Exception
{
public:
    using Exception::Exception;
};

// A configuration file that cannot be written.
class EIniFileException : public Exception
{
public:
    using Exception::Exception;
};

// Why the engine refused, where it can say in terms an operator can act on.
enum class TEngineCause {
    Other,
    ReadOnly, // the database file or its folder cannot be written
    DiskFull,
    Locked, // another program held the database through the busy timeout
};

// Anything the database engine refuses.
class EDatabaseError : public Exception
{
public:
    using Exception::Exception;
    EDatabaseError(const QString& message, const QString& reason, const QString& statement,
                   TEngineCause cause = TEngineCause::Other)
        : Exception(message), Reason(reason), Statement(statement), Cause(cause)
    {
    }

    QString Reason;    // the engine's own words, where the engine refused; never a stored value
    QString Statement; // the statement refused, where there is one
    TEngineCause Cause = TEngineCause::Other;
};

// A picture file that is not of a kind the program can show.
class EInvalidGraphic : public Exception
{
public:
    using Exception::Exception;
};
