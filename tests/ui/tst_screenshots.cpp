// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// Renders the window in each of its states, in the light and the dark
// palette: as a test, every state must render without a QML warning and show
// more than a blank window; with PARVENTO_SCREENSHOT_DIR set (scripts/screenshots)
// the images are kept there for people to look at.

#include "ContentViewHarness.h"
#include "UiTestCase.h"

#include <FakeCupsTools.h>
#include <PrivateCupsServer.h>
#include <TestTables.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QQmlApplicationEngine>
#include <QTemporaryDir>

#include <QTest>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x2a, 0x2b, 0x2e);
    const QColor text(0xec, 0xec, 0xee);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x1f, 0x20, 0x22));
    palette.setColor(QPalette::AlternateBase, QColor(0x32, 0x33, 0x36));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3b, 0x3f));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xe6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Light, QColor(0x4a, 0x4b, 0x50));
    palette.setColor(QPalette::Midlight, QColor(0x42, 0x43, 0x47));
    palette.setColor(QPalette::Mid, QColor(0x30, 0x31, 0x34));
    palette.setColor(QPalette::Dark, QColor(0x1a, 0x1a, 0x1c));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x8b, 0x90));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x84));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x84));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x84));
    return palette;
}

// A workstation's worth of waiting jobs and queues, with an umlaut, a "-" in
// a queue name and a long title among them.
void listDemoContent(FakeCupsTools &tools)
{
    tools.setJobLines({
        u"Laser-1-12 anna 24576 Mon 01 Jan 2024 09:12:00"_s,
        u"Laser-1-13 anna 1024 Mon 01 Jan 2024 09:14:00"_s,
        u"B%C3%BCro-Farbe-14 bernd 88064 Mon 01 Jan 2024 10:02:00"_s,
        u"Empfang-15 bernd 2048 Mon 01 Jan 2024 10:30:00"_s,
        u"Laser-1-16 anna 4096 Mon 01 Jan 2024 11:45:00"_s,
    });
    tools.setDetailedJobListing(u"Laser-1-12 anna 24576\n\tTitle: Quartalsbericht Q3.pdf\n"
                                u"B%C3%BCro-Farbe-14 bernd 88064\n\tTitle: Plakat Sommerfest mit einem sehr langen "
                                u"Titel, der in keine Zeile passt.odt\n"
                                u"Empfang-15 bernd 2048\n\tTitle: Besucherliste\n"
                                u"Laser-1-16 anna 4096\n\tTitle: Rechnung 2024-117\n"_s);
    tools.setPrinterNames({u"Archiv"_s, u"B\u00fcro-Farbe"_s, u"Empfang"_s, u"Laser-1"_s});
}

bool isBlank(const QImage &image)
{
    const QRgb first = image.pixel(0, image.height() / 2);
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            if (image.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

} // namespace

class ScreenshotsTest : public UiTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        UiTestCase::initTestCase();
        m_lightPalette = QGuiApplication::palette();
        m_directory = qEnvironmentVariable("PARVENTO_SCREENSHOT_DIR");
        if (m_directory.isEmpty())
            m_directory = m_temporary.path();
        QVERIFY(QDir().mkpath(m_directory));
    }

    void cleanup() { QGuiApplication::setPalette(m_lightPalette); }

    void render_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("dark");
        const QStringList states {u"first-reload"_s,
                                  u"loaded"_s,
                                  u"ready"_s,
                                  u"confirmation"_s,
                                  u"move-result"_s,
                                  u"cups-unavailable"_s,
                                  u"empty"_s,
                                  u"no-destination"_s,
                                  u"keyboard-focus"_s,
                                  u"long-confirmation"_s,
                                  u"move-progress"_s,
                                  u"move-failures"_s,
                                  u"filtered"_s,
                                  u"long-list"_s,
                                  u"cancel-confirmation"_s,
                                  u"undo-confirmation"_s};
        for (const QString &state : states) {
            QTest::addRow("%s-light", qPrintable(state)) << state << false;
            QTest::addRow("%s-dark", qPrintable(state)) << state << true;
        }
    }

    void renderReadme_data() { TestTables::addBothWays("dark", "light", "dark"); }

    // The pictures for the README: the demo content of scripts/private-cups on
    // a real scheduler (titles, a held and a waiting job, a stopped and a
    // rejecting queue), two jobs of one queue and a destination chosen, the stopped and the
    // rejecting queue among the destinations.
    void renderReadme()
    {
        QFETCH(bool, dark);
        QGuiApplication::setPalette(dark ? darkPalette() : m_lightPalette);
        PrivateCupsServer server;
        QVERIFY2(server.start({u"Laser"_s, u"Etage-2"_s, u"B\u00fcro"_s, u"Archiv"_s}), qPrintable(server.lastError()));
        QVERIFY2(server.describeQueue(u"B\u00fcro"_s, u"Raum 2.14"_s, u"Farblaser"_s), qPrintable(server.lastError()));
        QVERIFY2(server.stopQueue(u"Etage-2"_s, u"Papierstau"_s), qPrintable(server.lastError()));
        const QString me = PrivateCupsServer::userName();
        const QString other = PrivateCupsServer::otherUserName();
        const QList<std::tuple<QString, QString, QString>> jobs {
            {u"Laser"_s, me, u"Quartalsbericht.pdf"_s},
            {u"Laser"_s, other, u"Reisekosten M\u00e4rz.xlsx"_s},
            {u"Laser"_s, me, u"Einladung Sommerfest.docx"_s},
            {u"Etage-2"_s, other, u"Pr\u00e4sentation.key"_s},
            {u"Etage-2"_s, me, u"Lageplan.png"_s},
            {u"B\u00fcro"_s, other, u"Brief an M\u00fcller.odt"_s},
            {u"Archiv"_s, me, u"Altakte 2019.pdf"_s},
            {u"Archiv"_s, other, u"Protokoll.txt"_s},
        };
        for (const auto &[queue, owner, title] : jobs) {
            // The stopped queue's second job waits without being held.
            QStringList options {u"-U"_s, owner, u"-t"_s, title};
            if (title != u"Lageplan.png"_s)
                options << u"-H"_s << u"hold"_s;
            QVERIFY2(server.submitJob(queue, options), qPrintable(server.lastError()));
        }
        QVERIFY2(server.rejectQueue(u"Archiv"_s, u"Wird durch den Drucker im 2. Stock ersetzt"_s),
                 qPrintable(server.lastError()));

        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        ui.click(ui.jobRow(0));
        ui.click(ui.jobRow(2));
        ui.click(ui.printerRow(1));
        QVERIFY(ui.model().move()->canRequest());
        ui.item("flickable")->setProperty("contentY", 0);
        ui.window().contentItem()->setFocus(false);
        ContentViewHarness::settle();
        const QString name = dark ? u"readme-dark.png"_s : u"readme.png"_s;
        QVERIFY(ui.window().grabWindow().save(QDir(m_directory).filePath(name)));
    }

    void render()
    {
        QFETCH(QString, state);
        QFETCH(bool, dark);
        QGuiApplication::setPalette(dark ? darkPalette() : m_lightPalette);

        FakeCupsTools tools;
        listDemoContent(tools);
        if (state == u"first-reload"_s)
            tools.delayListing(u"-o"_s, 1.5);
        if (state == u"cups-unavailable"_s)
            tools.setLpstatExecutable(false);
        if (state == u"empty"_s) {
            tools.setJobLines({});
            tools.setPrinterNames({});
        }
        if (state == u"no-destination"_s) {
            tools.setJobLines({u"Laser-1-12 anna 24576 Mon 01 Jan 2024 09:12:00"_s});
            tools.setPrinterNames({u"Laser-1"_s});
        }

        // Eighty jobs for the confirmation that scrolls its list, 150 for the
        // list scrolled half way; every move
        // slowed down to see its progress; tool errors of several lines.
        if (state == u"long-confirmation"_s || state == u"long-list"_s) {
            QStringList lines;
            for (int i = 1; i <= (state == u"long-list"_s ? 150 : 80); ++i)
                lines.append(u"Laser-1-%1 anna 1024 Mon 01 Jan 2024 09:12:00"_s.arg(100 + i));
            tools.setJobLines(lines);
        }
        if (state == u"move-progress"_s)
            tools.delayMoves(0.6);
        if (state == u"move-failures"_s) {
            tools.failMove(u"Laser-1-12"_s,
                           u"lpmove: Verboten\nDer Auftrag wurde von CUPS zurückgewiesen.\n"
                           u"Weitere Angaben stehen im Protokoll des Druckservers."_s);
            tools.failMove(u"B%C3%BCro-Farbe-14"_s, u"lpmove: The printer or class does not exist."_s);
        }
        const bool allJobs = state == u"long-confirmation"_s || state == u"move-progress"_s;

        ContentViewHarness ui(tools.lpstatPath());
        if (state == u"first-reload"_s) {
            QTRY_VERIFY(ui.model().reload()->isLoading());
        } else {
            QVERIFY(ui.waitUntilIdle());
        }
        const bool choose = state == u"ready"_s || state == u"confirmation"_s || state == u"move-result"_s
            || state == u"move-failures"_s || state == u"cancel-confirmation"_s || state == u"undo-confirmation"_s;
        if (allJobs) {
            for (int row = 0; row < ui.model().selection()->jobCount(); ++row)
                ui.model().selection()->toggleJobSelectionAt(row);
            ui.click(ui.printerRow(0));
            QVERIFY(ui.model().move()->canRequest());
        }
        if (choose) {
            ui.click(ui.jobRow(0));
            ui.click(ui.jobRow(2));
            ui.click(ui.printerRow(0));
            QVERIFY(ui.model().move()->canRequest());
        }
        if (state == u"no-destination"_s)
            ui.click(ui.jobRow(0));
        if (state == u"long-list"_s) {
            // Scrolled half way down a long list: the destinations and the
            // move button still in view.
            ui.click(ui.jobRow(0));
            ui.click(ui.printerRow(0));
            auto *flickable = ui.item("flickable");
            const qreal end = flickable->property("contentHeight").toReal() - flickable->height();
            flickable->setProperty("contentY", end / 2);
        }
        if (state == u"filtered"_s) {
            // A job of Büro-Farbe selected, then only Laser-1's jobs shown and
            // all of them selected: the Büro-Farbe job stays selected, hidden.
            ui.click(ui.jobRow(2));
            ui.model().selection()->setJobFilterText(u"laser"_s);
            ui.model().selection()->selectShownJobs();
            ui.click(ui.printerRow(0));
            ui.item("flickable")->setProperty("contentY", 0);
        }
        const bool confirm = state == u"move-result"_s || state == u"move-progress"_s || state == u"move-failures"_s
            || state == u"undo-confirmation"_s;
        if (state == u"confirmation"_s || state == u"long-confirmation"_s || confirm) {
            ui.click(ContentViewHarness::childItem(ui.part("actionBar"), "moveButton"));
            QTRY_VERIFY(ui.part("confirmationDialog")->property("opened").toBool());
        }
        if (state == u"cancel-confirmation"_s) {
            // Delete in the job list, whose last clicked row has the focus.
            ui.press(Qt::Key_Delete);
            QTRY_VERIFY(ui.part("cancelConfirmationDialog")->property("opened").toBool());
        }
        if (confirm)
            ui.click(ui.part("confirmationDialog")->property("confirmButton").value<QQuickItem *>());
        if (state == u"move-progress"_s) {
            // Half way through, with the action bar in view.
            QTRY_VERIFY_WITH_TIMEOUT(ui.model().work()->progress().done >= 2, 10'000);
            ui.scrollIntoView(ui.item("actionBar"));
        } else if (confirm) {
            QVERIFY(ui.waitUntilIdle());
        }
        if (state == u"move-result"_s || state == u"move-failures"_s || state == u"cups-unavailable"_s
            || state == u"undo-confirmation"_s)
            QTRY_VERIFY(ui.part("noticeAlert")->property("opened").toBool());
        if (state == u"undo-confirmation"_s) {
            // The move's report answered with "Rückgängig machen".
            ui.click(ui.part("noticeAlert")->property("undoButton").value<QQuickItem *>());
            QTRY_VERIFY(ui.part("undoConfirmationDialog")->property("opened").toBool());
        }
        if (state == u"keyboard-focus"_s) {
            // Tab from the list's last tool into the list, Space on the first
            // row, Down onto the second.
            ContentViewHarness::childItem(ui.part("jobPane"), "selectShownButton")
                ->forceActiveFocus(Qt::TabFocusReason);
            ui.press(Qt::Key_Tab);
            ui.press(Qt::Key_Space);
            ui.press(Qt::Key_Down);
            QCOMPARE(ui.window().activeFocusItem(), ui.jobRow(1));
        } else {
            // Keyboard focus stays out of the other pictures.
            ui.window().contentItem()->setFocus(false);
        }
        ContentViewHarness::settle();

        const QImage image = ui.window().grabWindow();
        QCOMPARE(image.size(), QSize(1040, 650) * ui.window().devicePixelRatio());
        QVERIFY(!isBlank(image));
        const QString file = QDir(m_directory).filePath(state + (dark ? u"-dark.png"_s : u"-light.png"_s));
        QVERIFY(image.save(file));
    }

    // The whole window as the program opens it: menu bar, toolbar, content;
    // once with the application menu open, once with "Über Parvento".
    void renderWindow()
    {
        PrivateCupsServer server;
        QVERIFY2(server.start({u"Laser"_s}), qPrintable(server.lastError()));
        QVERIFY2(server.submitHeldJob(u"Laser"_s), qPrintable(server.lastError()));

        QQmlApplicationEngine engine;
        engine.load(QUrl(u"qrc:/qt/qml/Parvento/UI/ParventoWindow.qml"_s));
        QCOMPARE(engine.rootObjects().size(), 1);
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *model = window->findChild<PrintJobsViewModel *>();
        QTRY_COMPARE(model->selection()->jobCount(), 1);
        QTRY_VERIFY(!model->reload()->isLoading());

        const QList<std::pair<const char *, QString>> popups {
            {"applicationMenu", u"window-menu.png"_s},
            {"aboutDialog", u"window-about.png"_s},
        };
        for (const auto &[name, file] : popups) {
            auto *popup = window->property(name).value<QObject *>();
            QMetaObject::invokeMethod(popup, "open");
            QTRY_VERIFY(popup->property("opened").toBool());
            ContentViewHarness::settle();
            QVERIFY(window->grabWindow().save(QDir(m_directory).filePath(file)));
            QMetaObject::invokeMethod(popup, "close");
        }
    }

private:
    QTemporaryDir m_temporary;
    QString m_directory;
    QPalette m_lightPalette;
};

QTEST_MAIN(ScreenshotsTest)
#include "tst_screenshots.moc"
