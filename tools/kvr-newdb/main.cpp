// kvr-newdb FOLDER: makes an empty database (every table, no rows) in FOLDER, a program
// path ("C:\kvr\database") or a host path. Never touches a folder that has a database.
#include "core/data/Schema.h"
#include "platform/db/Connection.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2 || QString::fromLocal8Bit(argv[1]).isEmpty()) {
        std::fprintf(stderr, "usage: kvr-newdb FOLDER\n");
        return 2;
    }
    const QString given = QString::fromLocal8Bit(argv[1]);
    const QString folder = given.startsWith('/') ? QDir::cleanPath(given) : HostPath(given);
    const QString file = QDir(folder).filePath(DatabaseFileName);
    if (QFileInfo::exists(file)) {
        std::fprintf(stderr, "kvr-newdb: %s already has a database (%s); nothing was changed.\n",
                     qPrintable(given), qPrintable(file));
        return 1;
    }
    try {
        CreateEmptyDatabase(folder);
    } catch (const Exception& e) {
        std::fprintf(stderr, "kvr-newdb: %s\n", qPrintable(e.Message));
        return 1;
    }
    std::printf("Created %s\n", qPrintable(file));
    return 0;
}
