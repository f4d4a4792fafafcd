#include "UiEnvironment.h"

#include <QCoreApplication>
#include <QQuickStyle>

using namespace Qt::StringLiterals;

namespace UiEnvironment {

void prepare()
{
    qputenv("QML_DISABLE_DISK_CACHE", "1");
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QQuickStyle::setStyle(u"Fusion"_s);
}

} // namespace UiEnvironment
