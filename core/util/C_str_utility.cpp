#include "core/util/C_str_utility.h"

void SplitPathComponents(const QString& path, TStrings* list)
{
    if (!list)
        return;
    QString s = path;
    qsizetype slash = s.indexOf('\\');
    while (slash >= 0) {
        s = s.mid(slash + 1);
        const qsizetype next = s.indexOf('\\');
        if (next < 0) {
            list->Add('\\' + s);
            return;
        }
        list->Add('\\' + s.left(next));
        s = s.mid(next);
        slash = 0;
    }
}
