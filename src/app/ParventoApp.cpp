#include "ParventoApp.h"

#include <CUPSService.h>
#include <PrintJobsViewModel.h>
#include <UiEnvironment.h>

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// How long a confirmed move may keep the program running after its window has
// closed; only a tool that hangs takes longer than this.
constexpr int moveGraceMilliseconds = 60'000;

} // namespace

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

    // A move the user confirmed is handed to CUPS job by job even when the
    // window closes meanwhile; the program ends when it is done.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, [&app] {
        PrintJobsViewModel::whenAllMovesFinished().then(&app, [] { QCoreApplication::quit(); });
        QTimer::singleShot(moveGraceMilliseconds, &app, [] { QCoreApplication::quit(); });
    });
    const int status = QGuiApplication::exec();

    // A reload still waiting for a tool (lpstat may hang) must not keep the
    // program from ending: its child is stopped and its result dropped.
    CUPSService::abandonPendingRuns();
    return status;
}
