#include "desktop/missing_service.h"
#include "support/log.h"

void MissingService::tell(const QString &why)
{
    if (m_told)
        return;
    m_told = true;
    Log::info(m_line.arg(why));
}
