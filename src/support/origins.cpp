#include "support/origins.h"
#include "origins_config.h"

Origins Origins::compiledIn()
{
    return {QStringLiteral(VANTOREL_AUTH_ORIGIN), QStringLiteral(VANTOREL_PATCH_ORIGIN),
            QStringLiteral(VANTOREL_WEB_ORIGIN)};
}

QString launcherVersion()
{
#ifdef VANTOREL_VERSION
    return QStringLiteral(VANTOREL_VERSION);
#else
    return QString();
#endif
}
