// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// The two lists inside the one scrolling column: only rows near the visible
// part exist, even with 10,000 jobs (fake lpstat output: the scheduler would
// take minutes to hold that many); rows keep their identity (and keyboard
// focus) across reloads; Tab reaches each list as one stop between the
// buttons in reading order, the list keys move the focus and select, and the
// focused row stays in view (real lpstat on a private scheduler).

#include "ContentViewHarness.h"
#include "UiTestCase.h"

#include <FakeCupsTools.h>

#include <QAccessible>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList queues {u"Archiv"_s, u"Farbe"_s, u"Laser"_s};

QStringList jobLines(int count, int first = 1)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = first; i < first + count; ++i)
        lines.append(u"Laser-%1 anna 1024 Mon 01 Jan 2024 12:00:00"_s.arg(i));
    return lines;
}

// The rows a list has created, whether in view or not.
qsizetype createdRows(const QQuickItem *lazyList)
{
    for (QQuickItem *child : lazyList->childItems()) {
        if (child->inherits("QQuickListView")) {
            const auto *content = child->property("contentItem").value<QQuickItem *>();
            qsizetype rows = 0;
            for (const QQuickItem *item : content->childItems())
                rows += item->inherits("QQuickAbstractButton") ? 1 : 0;
            return rows;
        }
    }
    return -1;
}

// How many Tabs take the focus from the job filter to the move button.
int tabsFromFilterToMoveButton(ContentViewHarness &ui)
{
    ContentViewHarness::childItem(ui.part("jobPane"), "filterField")->forceActiveFocus(Qt::TabFocusReason);
    const QQuickItem *moveButton = ContentViewHarness::childItem(ui.part("actionBar"), "moveButton");
    int tabs = 0;
    while (ui.window().activeFocusItem() != moveButton && tabs < 20) {
        ui.press(Qt::Key_Tab);
        ++tabs;
    }
    return tabs;
}

// How many of hold, release and cancel the selection offers: each is a Tab
// stop between the selection buttons and the job list.
int actionStops(ContentViewHarness &ui)
{
    int stops = 0;
    for (const char *name : {"holdButton", "releaseButton", "cancelButton"})
        stops += ContentViewHarness::childItem(ui.part("jobPane"), name)->isEnabled() ? 1 : 0;
    return stops;
}

// Whether `item` lies fully inside the visible part of the main column, and
// not beneath the action bar docked at its bottom.
bool inView(ContentViewHarness &ui, const QQuickItem *item)
{
    const QQuickItem *flickable = ui.item("flickable");
    const QQuickItem *actionBar = ui.item("actionBar");
    const QRectF rect = item->mapRectToItem(flickable, QRectF(0, 0, item->width(), item->height()));
    qreal bottom = flickable->height();
    if (actionBar->property("docked").toBool() && !actionBar->isAncestorOf(item))
        bottom = actionBar->mapToItem(flickable, QPointF(0, 0)).y();
    return rect.top() >= 0 && rect.bottom() <= bottom;
}

} // namespace

class LazyListsTest : public UiTestCase
{
    Q_OBJECT

public:
    LazyListsTest()
        : UiTestCase(queues)
    { }

private Q_SLOTS:
    void tenThousandJobsCreateOnlyTheRowsNearTheView()
    {
        FakeCupsTools tools;
        tools.setJobLines(jobLines(10'000));
        tools.setPrinterNames(queues);
        ContentViewHarness ui(tools.lpstatPath());
        QVERIFY(ui.waitUntilIdle(60'000));
        QCOMPARE(ui.model().selection()->jobCount(), 10'000);
        QQuickItem *list = ui.lazyList("jobPane");
        const qsizetype atTop = createdRows(list);
        QVERIFY2(atTop > 0 && atTop < 40, qPrintable(QString::number(atTop)));
        // The column is as tall as all rows, so its scroll bar tells the truth.
        const qreal rowPitch = ui.jobRow(0)->height() + 9;
        QVERIFY(qAbs(list->height() - 10'000 * rowPitch + 9) < rowPitch);

        // Halfway down: the rows there exist, still only a handful.
        QQuickItem *flickable = ui.item("flickable");
        flickable->setProperty("contentY", flickable->property("contentHeight").toReal() / 2);
        ContentViewHarness::settle();
        const qsizetype halfway = createdRows(list);
        QVERIFY2(halfway > 0 && halfway < 40, qPrintable(QString::number(halfway)));
        QQuickItem *visibleRow = nullptr;
        for (int index = 4'000; index < 6'000 && !visibleRow; ++index) {
            QQuickItem *row = ui.jobRow(index);
            if (row && inView(ui, row))
                visibleRow = row;
        }
        QVERIFY(visibleRow);
        // That row at the top of the view, so that what the rows above the
        // list add to the column's height does not decide how many are whole.
        flickable->setProperty(
            "contentY", flickable->property("contentY").toReal() + visibleRow->mapToItem(flickable, QPointF(0, 0)).y());
        ContentViewHarness::settle();

        // The destinations and the move button stay in view, and at least
        // five jobs are seen whole beside them.
        QVERIFY(inView(ui, ui.lazyList("destinationPane")));
        QVERIFY(inView(ui, ContentViewHarness::childItem(ui.part("actionBar"), "moveButton")));
        int rowsInView = 0;
        for (int index = visibleRow->property("index").toInt(); ui.jobRow(index) && inView(ui, ui.jobRow(index));
             ++index)
            ++rowsInView;
        QVERIFY2(rowsInView >= 5, qPrintable(QString::number(rowsInView)));

        // A click there selects the job the row shows.
        const QString identifier = visibleRow->property("identifier").toString();
        ui.click(visibleRow);
        QCOMPARE(ui.model().selection()->selectedJobIDs(), QSet<QString> {identifier});
        QVERIFY(visibleRow->property("isSelected").toBool());

        // Assistive technology counts every job and knows each row's place
        // ("5001 von 10000"), also of the rows that do not exist.
        QAccessibleInterface *jobList = QAccessible::queryAccessibleInterface(list);
        QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(visibleRow);
        const int shownIndex = visibleRow->property("index").toInt();
        QCOMPARE(jobList->childCount(), 10'000);
        QCOMPARE(shown->parent(), jobList);
        QCOMPARE(jobList->indexOfChild(shown), shownIndex);
        QCOMPARE(jobList->child(shownIndex), shown);
        QAccessibleInterface *first = jobList->child(0);
        QVERIFY2(first->text(QAccessible::Name).startsWith(u"Laser-1 · Quelle: Laser"_s),
                 qPrintable(first->text(QAccessible::Name)));
        QCOMPARE(first->role(), QAccessible::ListItem);
        QVERIFY(first->state().checkable && !first->state().checked);
        QCOMPARE(first->parent(), jobList);
        QCOMPARE(jobList->indexOfChild(first), 0);

        // At the end: the last job is there and in view.
        flickable->setProperty("contentY", flickable->property("contentHeight").toReal() - flickable->height());
        ContentViewHarness::settle();
        QQuickItem *last = ui.jobRow(9'999);
        QVERIFY(last);
        QCOMPARE(last->property("identifier").toString(), u"Laser-10000"_s);
        QVERIFY(createdRows(list) < 40);

        // Tab enters the list where the focus was last, however far away; the
        // list is one stop, as with a few jobs.
        flickable->setProperty("contentY", 0);
        ContentViewHarness::settle();
        QQuickItem *filterField = ContentViewHarness::childItem(ui.part("jobPane"), "filterField");
        filterField->forceActiveFocus(Qt::TabFocusReason);
        for (int i = 0; i < 4 + actionStops(ui); ++i)
            ui.press(Qt::Key_Tab);
        QQuickItem *focused = ui.window().activeFocusItem();
        QCOMPARE(focused->property("identifier").toString(), identifier);
        QVERIFY(inView(ui, focused));
        ui.click(ui.printerRow(0));
        QCOMPARE(tabsFromFilterToMoveButton(ui), 6 + actionStops(ui));

        // End and Home reach the last and the first job, in view; Shift+Down
        // adds the jobs it moves to, and Shift+Up takes none away.
        const auto focusedJob = [&ui] {
            QQuickItem *focused = ui.window().activeFocusItem();
            return focused->property("identifier").toString();
        };
        const auto pressInList = [&ui](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(&ui.window(), key, modifiers);
            ContentViewHarness::settle();
        };
        filterField->forceActiveFocus(Qt::TabFocusReason);
        for (int i = 0; i < 4 + actionStops(ui); ++i)
            ui.press(Qt::Key_Tab);
        QCOMPARE(focusedJob(), identifier);
        pressInList(Qt::Key_End);
        QCOMPARE(focusedJob(), u"Laser-10000"_s);
        QVERIFY(inView(ui, ui.window().activeFocusItem()));
        pressInList(Qt::Key_Home);
        QCOMPARE(focusedJob(), u"Laser-1"_s);
        QVERIFY(inView(ui, ui.window().activeFocusItem()));
        pressInList(Qt::Key_Down, Qt::ShiftModifier);
        pressInList(Qt::Key_Down, Qt::ShiftModifier);
        pressInList(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(focusedJob(), u"Laser-2"_s);
        QCOMPARE(ui.model().selection()->selectedJobIDs(), (QSet<QString> {identifier, u"Laser-2"_s, u"Laser-3"_s}));
        QVERIFY(createdRows(list) < 40);
    }

    // Each list is one stop, entered on the row focused last, else the first
    // selected job or the chosen destination, else the first row.
    void tabReachesEachListOnceBetweenTheButtonsInReadingOrder_data()
    {
        QTest::addColumn<QString>("focusedBefore");
        QTest::addColumn<int>("jobEntry");
        QTest::addColumn<int>("destinationEntry");
        QTest::newRow("the rows focused last") << u"clicked"_s << 2 << 1;
        QTest::newRow("selected and chosen rows") << u"selected"_s << 1 << 1;
        QTest::newRow("first rows") << u"none"_s << 0 << 0;
    }

    void tabReachesEachListOnceBetweenTheButtonsInReadingOrder()
    {
        QFETCH(QString, focusedBefore);
        QFETCH(int, jobEntry);
        QFETCH(int, destinationEntry);
        QVERIFY2(submitJobs(QStringList(3, u"Laser"_s)), qPrintable(m_server.lastError()));
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        if (focusedBefore == u"clicked"_s) {
            // The second click moves the focus but leaves job 2 unselected.
            ui.click(ui.jobRow(0));
            ui.click(ui.jobRow(2));
            ui.click(ui.jobRow(2));
            ui.click(ui.printerRow(1));
        } else if (focusedBefore == u"selected"_s) {
            ui.model().selection()->toggleJobSelectionAt(2);
            ui.model().selection()->toggleJobSelectionAt(1);
            ui.model().selection()->chooseDestinationAt(1);
            ContentViewHarness::settle();
        }
        ui.item("refreshButton")->forceActiveFocus(Qt::TabFocusReason);

        const auto tool = [&ui](const char *name) {
            return ContentViewHarness::childItem(ui.part("jobPane"), name);
        };
        QList<QQuickItem *> expected;
        for (QQuickItem *item :
             {tool("filterField"), tool("queueChooser"), tool("selectShownButton"), tool("clearSelectionButton"),
              tool("holdButton"), tool("releaseButton"), tool("cancelButton"), ui.jobRow(jobEntry),
              ui.printerRow(destinationEntry), ContentViewHarness::childItem(ui.part("actionBar"), "moveButton")}) {
            // Disabled buttons are no stop.
            if (item && item->isEnabled())
                expected.append(item);
        }
        for (QQuickItem *item : std::as_const(expected)) {
            ui.press(Qt::Key_Tab);
            QCOMPARE(ui.window().activeFocusItem(), item);
            // A text field shows its focus by its cursor.
            QVERIFY(item->property("visualFocus").toBool() || item == tool("filterField"));
        }
        // And back.
        for (qsizetype i = expected.size() - 2; i >= 0; --i) {
            ui.press(Qt::Key_Backtab);
            QCOMPARE(ui.window().activeFocusItem(), expected.at(i));
        }
        ui.press(Qt::Key_Backtab);
        QCOMPARE(ui.window().activeFocusItem(), ui.item("refreshButton"));
        if (focusedBefore == u"clicked"_s)
            QCOMPARE(tabsFromFilterToMoveButton(ui), 6 + actionStops(ui));
    }

    void spaceAndEnterActivateTheFocusedRow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void spaceAndEnterActivateTheFocusedRow()
    {
        QFETCH(int, key);
        QVERIFY2(submitJobs(QStringList(3, u"Laser"_s)), qPrintable(m_server.lastError()));
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());

        ui.jobRow(1)->forceActiveFocus(Qt::TabFocusReason);
        ui.press(Qt::Key(key));
        QCOMPARE(ui.model().selection()->selectedJobIDs(), QSet<QString> {m_jobs.at(1)});
        ui.press(Qt::Key(key));
        QVERIFY(ui.model().selection()->selectedJobIDs().isEmpty());

        ui.printerRow(1)->forceActiveFocus(Qt::TabFocusReason);
        ui.press(Qt::Key(key));
        QCOMPARE(ui.model().selection()->selectedDestinationID().value_or(QString()), u"Farbe"_s);
    }

    // Ctrl+F, typing and Escape in the filter field; Ctrl+A selects the
    // shown jobs from the list, and stays the field's own inside it.
    void filterAndSelectShownByKeyboard()
    {
        QVERIFY2(submitJobs({u"Laser"_s, u"Farbe"_s, u"Laser"_s}), qPrintable(m_server.lastError()));
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        QQuickItem *field = ContentViewHarness::childItem(ui.part("jobPane"), "filterField");
        const auto shortcut = [&ui](Qt::Key key) {
            QTest::keyClick(&ui.window(), key, Qt::ControlModifier);
            ContentViewHarness::settle();
        };

        shortcut(Qt::Key_F);
        QCOMPARE(ui.window().activeFocusItem(), field);
        for (char key : {'F', 'A', 'R', 'B', 'E'})
            QTest::keyClick(&ui.window(), key);
        ContentViewHarness::settle();
        QCOMPARE(ui.model().selection()->filter().shownCount, 1);
        QCOMPARE(ui.jobRow(0)->property("identifier").toString(), m_jobs.at(1));
        shortcut(Qt::Key_A);
        QCOMPARE(field->property("selectedText").toString(), u"FARBE"_s);
        QVERIFY(ui.model().selection()->selectedJobIDs().isEmpty());

        // On past the chooser and "Alle sichtbaren auswählen" ("Auswahl
        // aufheben" has nothing to do) into the list.
        for (int i = 0; i < 3; ++i)
            ui.press(Qt::Key_Tab);
        QCOMPARE(ui.window().activeFocusItem(), ui.jobRow(0));
        shortcut(Qt::Key_A);
        QCOMPARE(ui.model().selection()->selectedJobIDs(), QSet<QString> {m_jobs.at(1)});

        shortcut(Qt::Key_F);
        QCOMPARE(ui.window().activeFocusItem(), field);
        ui.press(Qt::Key_Escape);
        QCOMPARE(field->property("text").toString(), QString());
        QCOMPARE(ui.model().selection()->filter().shownCount, 3);
        QCOMPARE(ui.model().selection()->selectedJobIDs(), QSet<QString> {m_jobs.at(1)});
    }

    void listKeysScrollTheFocusedRowIntoView()
    {
        QVERIFY2(submitJobs(QStringList(60, u"Laser"_s)), qPrintable(m_server.lastError()));
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        ContentViewHarness::childItem(ui.part("jobPane"), "selectShownButton")->forceActiveFocus(Qt::TabFocusReason);
        ui.press(Qt::Key_Tab);
        const auto expectFocusOn = [&ui, this](int index) {
            QQuickItem *focused = ui.window().activeFocusItem();
            return focused->property("identifier").toString() == m_jobs.at(index) && inView(ui, focused)
                && focused->property("visualFocus").toBool();
        };
        QVERIFY(expectFocusOn(0));
        for (int index = 1; index < 60; ++index) {
            ui.press(Qt::Key_Down);
            QVERIFY2(expectFocusOn(index), qPrintable(QString::number(index)));
        }
        // Down stops at the last job; Tab goes on to the destinations.
        ui.press(Qt::Key_Down);
        QVERIFY(expectFocusOn(59));
        ui.press(Qt::Key_Tab);
        QCOMPARE(ui.window().activeFocusItem(), ui.printerRow(0));
        QVERIFY(inView(ui, ui.printerRow(0)));

        // Back up through rows the list drops and creates again on the way.
        ui.press(Qt::Key_Backtab);
        QVERIFY(expectFocusOn(59));
        for (int index = 58; index >= 0; --index) {
            ui.press(Qt::Key_Up);
            QVERIFY2(expectFocusOn(index), qPrintable(QString::number(index)));
        }

        // A page is as many rows as fit in the visible part of the column
        // above the docked action bar.
        const qreal rowPitch = ui.jobRow(0)->height() + 9;
        const qreal obscured = ui.lazyList("jobPane")->property("obscuredBottom").toReal();
        const int page = int((ui.item("flickable")->height() - obscured) / rowPitch);
        QVERIFY(page > 1);
        const QList<QPair<Qt::Key, int>> pages {
            {Qt::Key_PageDown, page}, {Qt::Key_PageDown, 2 * page}, {Qt::Key_End, 59}, {Qt::Key_PageUp, 59 - page},
            {Qt::Key_Home, 0},        {Qt::Key_PageUp, 0},
        };
        for (const auto &[key, index] : pages) {
            ui.press(key);
            QVERIFY2(expectFocusOn(index), qPrintable(QString::number(index)));
        }
    }

    void aRowKeepsItsIdentityAndFocusAcrossAReload()
    {
        QVERIFY2(submitJobs(QStringList(5, u"Laser"_s)), qPrintable(m_server.lastError()));
        ContentViewHarness ui(CUPSService::systemLpstatURL);
        QVERIFY(ui.waitUntilIdle());
        QQuickItem *row = ui.jobRow(2);
        const QString identifier = m_jobs.at(2);
        QCOMPARE(row->property("identifier").toString(), identifier);
        ui.click(row);
        row->forceActiveFocus(Qt::TabFocusReason);

        // The first job goes, a new one comes; the focused job stays listed.
        QVERIFY2(m_server.cancelJob(m_jobs.at(0)), qPrintable(m_server.lastError()));
        QVERIFY2(m_server.submitHeldJob(u"Laser"_s), qPrintable(m_server.lastError()));
        ui.model().reload()->refresh();
        QVERIFY(ui.waitUntilIdle());
        QCOMPARE(ui.model().selection()->jobCount(), 5);

        QCOMPARE(ui.jobRow(1), row);
        QCOMPARE(row->property("identifier").toString(), identifier);
        QVERIFY(row->property("isSelected").toBool());
        QCOMPARE(ui.window().activeFocusItem(), row);
    }
};

QTEST_MAIN(LazyListsTest)
#include "tst_lazylists.moc"
