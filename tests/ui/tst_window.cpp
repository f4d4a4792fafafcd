// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The application window as the program opens it: title, default and
// minimum size, the application menu with its inert entry and the "Über
// Parvento" dialog, and the content with its own model on /usr/bin/lpstat,
// which here reaches a private CUPS scheduler.

#include "ContentViewHarness.h"
#include "UiTestCase.h"

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
        QTRY_COMPARE(model->jobCount(), 1);

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

        // Pressed by assistive technology, the entries do what a click does.
        QMetaObject::invokeMethod(menu, "open");
        QTRY_VERIFY(menu->property("opened").toBool());
        QVERIFY(ContentViewHarness::pressAccessibly(inert));
        QVERIFY(!aboutDialog->property("opened").toBool());
        QVERIFY(ContentViewHarness::pressAccessibly(about));
        QTRY_VERIFY(aboutDialog->property("opened").toBool());
        QTRY_VERIFY(!menu->property("opened").toBool());
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
