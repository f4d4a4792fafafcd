// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ParventoApp.h"

#include <ExitPolicy.h>
#include <UiEnvironment.h>

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

using namespace Qt::StringLiterals;

int ParventoApp::run(int &argc, char **argv)
{
    UiEnvironment::prepare();

    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(u"Parvento"_s);
    QGuiApplication::setApplicationVersion(QStringLiteral(PARVENTO_VERSION));
    QGuiApplication::setDesktopFileName(u"de.parvento.Parvento"_s);
    UiEnvironment::chooseSceneGraphBackend();

    QQmlApplicationEngine engine;
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    engine.load(QUrl(u"qrc:/qt/qml/Parvento/UI/ParventoWindow.qml"_s));
    if (engine.rootObjects().isEmpty())
        return 1;

    // ExitPolicy decides when the program ends once the window has closed.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &ExitPolicy::lastWindowClosed);
    const int status = QGuiApplication::exec();
    ExitPolicy::eventLoopEnded();
    return status;
}
