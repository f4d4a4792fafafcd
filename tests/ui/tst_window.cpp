// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The application window as the program opens it: title, default and
// minimum size, the application menu with its inert entry and the "Über
// Parvento" dialog, and the content with its own model on /usr/bin/lpstat,
// which here reaches a private CUPS scheduler.

#include "ContentViewHarness.h"
#include "UiTestCase.h"

#include <PeriodicReloader.h>

#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTest>

using namespace Qt::StringLiterals;

class WindowTest : public UiTestCase
{
    Q_OBJECT

public:
    WindowTest()
        : UiTestCase({u"Laser"_s}, {u"Laser"_s})
    {
        QCoreApplication::setApplicationVersion(u"9.8.7"_s);
    }

private Q_SLOTS:
    // Answered before any window exists: none of these needs a display.
    void commandLineAnswers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        const QString usage = u"Aufruf: parvento [--server HOST[:PORT]] [--help] [--version]\n"_s;
        QTest::newRow("help") << QStringList {u"--help"_s} << 0 << usage << QString();
        QTest::newRow("help after a server")
            << QStringList {u"--server"_s, u"druck01.example:631"_s, u"--help"_s} << 0 << usage << QString();
        QTest::newRow("version") << QStringList {u"--version"_s} << 0 << u"parvento " PARVENTO_VERSION "\n"_s
                                 << QString();
        QTest::newRow("unknown option") << QStringList {u"--bogus"_s} << 2 << QString()
                                        << u"parvento: Unbekannte Option „--bogus“.\n"_s + usage;
        QTest::newRow("unknown option after a Qt option")
            << QStringList {u"-platform"_s, u"offscreen"_s, u"-x"_s} << 2 << QString()
            << u"parvento: Unbekannte Option „-x“.\n"_s + usage;
        QTest::newRow("server without its value")
            << QStringList {u"--server"_s} << 2 << QString()
            << u"parvento: Die Option „--server“ braucht einen Server (HOST[:PORT]).\n"_s + usage;
        QTest::newRow("port out of range")
            << QStringList {u"--server=druck01:65536"_s} << 2 << QString()
            << u"parvento: „druck01:65536“ ist kein Server der Form HOST[:PORT].\n"_s + usage;
        QTest::newRow("stray argument") << QStringList {u"Laser"_s} << 2 << QString()
                                        << u"parvento: Unerwartetes Argument „Laser“.\n"_s + usage;
    }

    void commandLineAnswers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PARVENTO_APP), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString printed = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.startsWith(output), qPrintable(printed));
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), errors);
    }

    void opensWithItsMenuSizeAndOwnModel()
    {
        QQmlApplicationEngine engine;
        engine.load(QUrl(u"qrc:/qt/qml/Parvento/UI/ParventoWindow.qml"_s));
        QCOMPARE(engine.rootObjects().size(), 1);
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QCOMPARE(window->title(), u"Parvento"_s);
        auto *menuBar = window->property("menuBar").value<QQuickItem *>();
        QVERIFY(menuBar);
        // Below the menu bar and the toolbar the content has 1040 × 650 at
        // first, and never less than 980 × 650.
        const int chrome = int(window->property("chromeHeight").toReal());
        QVERIFY(chrome > 0);
        QCOMPARE(window->size(), QSize(1040, 650 + chrome));
        QCOMPARE(window->minimumSize(), QSize(980, 650 + chrome));

        // The content made its own model and loaded from the scheduler.
        auto *model = window->findChild<PrintJobsViewModel *>();
        QVERIFY(model);
        QTRY_COMPARE(model->selection()->jobCount(), 1);
        // It reloads at the program's one pace, not at one of the window's own.
        auto *reloader = window->findChild<PeriodicReloader *>();
        QVERIFY(reloader);
        QCOMPARE(reloader->interval(), PeriodicReloader::defaultInterval);

        // The application menu: "Über Parvento", directly followed by the
        // inert entry.
        auto *menu = window->property("applicationMenu").value<QObject *>();
        QVERIFY(menu);
        QCOMPARE(menu->property("title").toString(), u"Parvento"_s);
        QQuickItem *about = menuItem(menu, 0);
        QQuickItem *inert = menuItem(menu, 1);
        QCOMPARE(about->property("text").toString(), u"Über Parvento"_s);
        QVERIFY(about->isEnabled());
        QCOMPARE(inert->property("text").toString(), u"Lokale CUPS-Aufträge verschieben"_s);
        QVERIFY(!inert->isEnabled());

        // Choosing the inert entry does nothing; "Über Parvento" names the
        // program, its version and what it is for.
        QMetaObject::invokeMethod(menu, "open");
        QTRY_VERIFY(menu->property("opened").toBool());
        clickItem(window, inert);
        auto *aboutDialog = window->property("aboutDialog").value<QObject *>();
        QVERIFY(aboutDialog);
        QVERIFY(!aboutDialog->property("opened").toBool());
        if (menu->property("opened").toBool())
            QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!menu->property("opened").toBool());

        QMetaObject::invokeMethod(menu, "open");
        QTRY_VERIFY(menu->property("opened").toBool());
        clickItem(window, about);
        QTRY_VERIFY(aboutDialog->property("opened").toBool());
        const QString message = aboutDialog->property("message").toString();
        QVERIFY2(message.contains(u"Version 9.8.7"_s), qPrintable(message));
        QVERIFY2(message.contains(u"CUPS"_s), qPrintable(message));
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!aboutDialog->property("opened").toBool());

        // Assistive technology sees every entry as a menu item named by its
        // text, and pressing one does what a click does.
        const ScreenReaderRunning screenReader;
        QMetaObject::invokeMethod(menu, "open");
        QTRY_VERIFY(menu->property("opened").toBool());
        QQuickItem *quit = menuItem(menu, 3);
        QCOMPARE(quit->property("text").toString(), u"Beenden"_s);
        for (QQuickItem *entry : {about, inert, quit}) {
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(entry);
            QVERIFY(node);
            QCOMPARE(node->role(), QAccessible::MenuItem);
            QCOMPARE(node->text(QAccessible::Name), entry->property("text").toString());
        }
        QVERIFY(ContentViewHarness::pressAccessibly(inert));
        QVERIFY(!aboutDialog->property("opened").toBool());
        QVERIFY(ContentViewHarness::pressAccessibly(about));
        QTRY_VERIFY(aboutDialog->property("opened").toBool());
        QTRY_VERIFY(!menu->property("opened").toBool());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!aboutDialog->property("opened").toBool());

        QMetaObject::invokeMethod(menu, "open");
        QTRY_VERIFY(menu->property("opened").toBool());
        QVERIFY(ContentViewHarness::pressAccessibly(quit));
        QTRY_VERIFY(!window->isVisible());
    }

private:
    static QQuickItem *menuItem(QObject *menu, int index)
    {
        QQuickItem *item = nullptr;
        QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, index));
        return item;
    }

    static void clickItem(QQuickWindow *window, const QQuickItem *item)
    {
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
        ContentViewHarness::settle();
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
