#pragma once
// The lines Qt's logging writes while one of these lives, as "category: message", instead of
// standard error.
#include <QMessageLogContext>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class CapturedLog
{
public:
    CapturedLog() : previous(qInstallMessageHandler(&CapturedLog::Keep)) { current = this; }
    ~CapturedLog()
    {
        qInstallMessageHandler(previous);
        current = nullptr;
    }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    // The lines of one category, without the category.
    QStringList Of(const char* category) const
    {
        QStringList of;
        const QString prefix = QString::fromLatin1(category) + ": ";
        for (const QString& line : lines)
            if (line.startsWith(prefix))
                of << line.mid(prefix.size());
        return of;
    }

    QStringList lines;

private:
    static void Keep(QtMsgType, const QMessageLogContext& context, const QString& message)
    {
        if (current)
            current->lines << QString::fromLatin1(context.category ? context.category : "default") + ": " +
                                  message;
    }

    inline static CapturedLog* current = nullptr;
    QtMessageHandler previous;
};
