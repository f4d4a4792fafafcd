// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "ParventoApp.h"
#include "CommandLine.h"

#include <ExitPolicy.h>
#include <ModelTexts.h>
#include <SchedulerAddress.h>
#include <UiEnvironment.h>

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;

int ParventoApp::run(int &argc, char **argv)
{
    const CommandLine commandLine = CommandLine::parse(argc, argv);
    switch (commandLine.action()) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(ModelTexts::commandLineHelp()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs("parvento " PARVENTO_VERSION "\n", stdout);
        return 0;
    case CommandLine::Action::Misuse:
        std::fprintf(stderr, "parvento: %s\n%s\n", qPrintable(commandLine.problem()),
                     qPrintable(ModelTexts::commandLineUsage()));
        return 2;
    case CommandLine::Action::OpenWindow:
        break;
    }
    // Before any thread runs: every listing, move, undo and job action of
    // this run goes to the scheduler the window names, whatever the client
    // configuration says later.
    SchedulerAddress::pin(commandLine.server());

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
