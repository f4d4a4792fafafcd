// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "UiEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSGRendererInterface>

#if PARVENTO_HAS_XCB
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

using namespace Qt::StringLiterals;

namespace {

bool isSet(const char *variable)
{
    const QByteArray value = qgetenv(variable);
    return !value.isEmpty() && value != "0";
}

#ifdef Q_OS_LINUX
// A graphics card shows up as a DRM render node (or, with NVIDIA's own
// driver, as its control device). Without one, OpenGL can only be Mesa's
// CPU rasteriser.
bool hasGraphicsDevice()
{
    const QDir dri(u"/dev/dri"_s);
    return !dri.entryList({u"renderD*"_s}, QDir::System).isEmpty() || QFileInfo::exists(u"/dev/nvidiactl"_s);
}
#endif

#if PARVENTO_HAS_XCB
// An X server that offers neither DRI3 nor DRI2 (a virtual display, most
// remote desktops) cannot hand a graphics card to its clients.
bool x11ServerRendersDirectly()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return true;
    xcb_connection_t *connection = x11->connection();
    for (const char *extension : {"DRI3", "DRI2"}) {
        const xcb_query_extension_cookie_t cookie
            = xcb_query_extension(connection, uint16_t(qstrlen(extension)), extension);
        xcb_query_extension_reply_t *reply = xcb_query_extension_reply(connection, cookie, nullptr);
        const bool present = reply && reply->present;
        std::free(reply);
        if (present)
            return true;
    }
    return false;
}
#endif

// Decided from the environment and the display alone: loading an OpenGL
// driver to ask it would itself cost the memory this is meant to save.
bool openGLIsSoftwareOnly()
{
    if (isSet("LIBGL_ALWAYS_SOFTWARE"))
        return true;
#ifdef Q_OS_LINUX
    if (!hasGraphicsDevice())
        return true;
#endif
#if PARVENTO_HAS_XCB
    if (QGuiApplication::platformName() == u"xcb"_s && !x11ServerRendersDirectly())
        return true;
#endif
    return false;
}

} // namespace

namespace UiEnvironment {

void prepare()
{
    qputenv("QML_DISABLE_DISK_CACHE", "1");
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QQuickStyle::setStyle(u"Fusion"_s);
}

void chooseSceneGraphBackend()
{
    // A CPU rasteriser pretending to be a graphics card costs the window
    // about 100 MB more than Qt Quick's own software renderer, which draws
    // everything this window uses just as well.
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND")
        || qEnvironmentVariableIsSet("QMLSCENE_DEVICE"))
        return;
    if (openGLIsSoftwareOnly())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace UiEnvironment
