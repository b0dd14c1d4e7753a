#include "core/KvrLogo.h"

// Outside any namespace, as the resource's initialiser is.
static void InitLogoResource()
{
    Q_INIT_RESOURCE(KvrLogo);
}

QImage KvrLogo()
{
    static const bool initialised = (InitLogoResource(), true);
    (void)initialised;
    return QImage(":/core/KvrLogo.bmp");
}
