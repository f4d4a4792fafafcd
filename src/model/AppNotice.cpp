#include "AppNotice.h"

AppNotice AppNotice::make(const QString &title, const QString &message)
{
    return AppNotice {QUuid::createUuid(), title, message};
}
