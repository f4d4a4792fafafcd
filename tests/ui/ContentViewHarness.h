// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// One window showing the real ContentView, bound to a window model whose
// service runs the given lpstat, for tests, screenshots and benchmarks that
// drive the window with mouse and keys. Header only; link parvento_ui.

#include <PrintJobsViewModel.h>
#include <UiEnvironment.h>

#include <QAccessible>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <memory>

class ContentViewHarness
{
public:
    // An interval long enough that only the first, immediate reload runs
    // while a test looks.
    static constexpr int quietInterval = 3'600'000;

    explicit ContentViewHarness(const QString &lpstatPath, int reloadInterval = quietInterval,
                                QSize size = QSize(1040, 650))
        : m_model(std::make_unique<PrintJobsViewModel>(CUPSService(lpstatPath)))
    {
        m_window.resize(size);
        QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/qt/qml/Parvento/UI/ContentView.qml")));
        QObject *view = component.createWithInitialProperties({
            {QStringLiteral("viewModel"), QVariant::fromValue<QObject *>(m_model.get())},
            {QStringLiteral("reloadInterval"), reloadInterval},
        });
        if (!view)
            qFatal("ContentView: %s", qPrintable(component.errorString()));
        m_view.reset(qobject_cast<QQuickItem *>(view));
        m_view->setParentItem(m_window.contentItem());
        m_view->setSize(size);
        QObject::connect(&m_window, &QQuickWindow::widthChanged, m_view.get(),
                         [this] { m_view->setWidth(m_window.width()); });
        QObject::connect(&m_window, &QQuickWindow::heightChanged, m_view.get(),
                         [this] { m_view->setHeight(m_window.height()); });
        m_window.show();
        if (!QTest::qWaitForWindowExposed(&m_window))
            qFatal("the window was never exposed");
    }

    ~ContentViewHarness()
    {
        // Let a workflow that is still running finish against a live model,
        // and drop the view before the model it reads.
        waitUntilIdle();
        m_view.reset();
    }

    Q_DISABLE_COPY_MOVE(ContentViewHarness)

    PrintJobsViewModel &model() { return *m_model; }
    QQuickWindow &window() { return m_window; }
    QQuickItem *view() const { return m_view.get(); }

    // A region or control that ContentView names, such as "jobPane" or "refreshButton".
    QObject *part(const char *name) const { return m_view->property(name).value<QObject *>(); }
    QQuickItem *item(const char *name) const { return qobject_cast<QQuickItem *>(part(name)); }
    static QQuickItem *childItem(const QObject *parent, const char *name)
    {
        return parent->property(name).value<QQuickItem *>();
    }

    QQuickItem *lazyList(const char *pane) const { return childItem(part(pane), "list"); }
    QQuickItem *jobRow(int index) const { return rowAt("jobPane", index); }
    QQuickItem *printerRow(int index) const { return rowAt("destinationPane", index); }
    QQuickItem *rowAt(const char *pane, int index) const
    {
        QQuickItem *row = nullptr;
        QMetaObject::invokeMethod(lazyList(pane), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row), Q_ARG(int, index));
        return row;
    }

    bool waitUntilIdle(int timeout = 10'000)
    {
        // The scheduler's details follow the lists: the rows are complete
        // once they are in too.
        const auto busy = [this] {
            return m_model->reload()->isLoading() || m_model->work()->isMoving() || m_model->work()->isActing()
                || m_model->reload()->isAwaitingDetails();
        };
        if (!QTest::qWaitFor([&busy] { return !busy(); }, timeout))
            return false;
        settle();
        return true;
    }

    // Clicks `target` at `local` (its centre when not given), as a user would:
    // through the window, so whatever lies on top there gets the click.
    void click(const QQuickItem *target, std::optional<QPointF> local = std::nullopt)
    {
        scrollIntoView(target);
        const QPointF point = target->mapToScene(local.value_or(QPointF(target->width() / 2, target->height() / 2)));
        QTest::mouseClick(&m_window, Qt::LeftButton, {}, point.toPoint());
        settle();
    }

    // Scrolls the main column so that `target`, when it lies in the column, is
    // in full view.
    void scrollIntoView(const QQuickItem *target)
    {
        auto *flickable = item("flickable");
        QQuickItem *content = flickable->property("contentItem").value<QQuickItem *>();
        if (!content->isAncestorOf(target))
            return;
        const QRectF rect = target->mapRectToItem(content, QRectF(0, 0, target->width(), target->height()));
        const qreal top = flickable->property("contentY").toReal();
        const qreal height = flickable->height();
        if (rect.top() < top)
            flickable->setProperty("contentY", rect.top());
        else if (rect.bottom() > top + height)
            flickable->setProperty("contentY", rect.bottom() - height);
        settle();
    }

    // Lets the windows catch up with the last input: what it posted runs (a
    // list enters its rows through a queued call), and every shown window
    // polishes, where a list lays out, creates and drops its rows. Either can
    // ask for the other, so until neither has anything left. Waits for no
    // fixed time: a quiet machine goes on at once, a busy one as late as it must.
    static void settle()
    {
        for (int round = 0; round < 16; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            bool polished = true;
            const QWindowList windows = QGuiApplication::topLevelWindows();
            for (QWindow *window : windows) {
                auto *quickWindow = qobject_cast<QQuickWindow *>(window);
                if (!quickWindow || !quickWindow->isExposed() || !QQuickTest::qIsPolishScheduled(quickWindow))
                    continue;
                polished = false;
                if (!QQuickTest::qWaitForPolish(quickWindow, 10'000))
                    qWarning("A window still had items to polish after 10 s");
            }
            if (polished)
                return;
        }
    }

    void press(Qt::Key key)
    {
        QTest::keyClick(&m_window, key);
        settle();
    }

    // The texts of all visible text items below `root`, in tree order.
    static QStringList visibleTexts(const QQuickItem *root)
    {
        QStringList texts;
        collectTexts(root, texts);
        return texts;
    }
    static bool showsText(const QQuickItem *root, const QString &text) { return visibleTexts(root).contains(text); }

    // The symbol names of all visible icons below `root`, in tree order.
    static QStringList visibleSymbols(const QQuickItem *root)
    {
        QStringList symbols;
        collectSymbols(root, symbols);
        return symbols;
    }

    static QString accessibleText(QObject *object, QAccessible::Text kind)
    {
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
        return interface ? interface->text(kind) : QString();
    }

    // The names assistive technology reads below `root` (a window or an
    // item), in tree order, leaving out what it reports as invisible.
    static QStringList accessibleNames(QObject *root)
    {
        QStringList names;
        collectAccessibleNames(QAccessible::queryAccessibleInterface(root), names);
        return names;
    }

    // Presses `control` the way assistive technology does, through its
    // accessibility interface; false when it offers no press action.
    static bool pressAccessibly(QObject *control)
    {
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(control);
        QAccessibleActionInterface *actions = interface ? interface->actionInterface() : nullptr;
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            return false;
        actions->doAction(QAccessibleActionInterface::pressAction());
        settle();
        return true;
    }

private:
    static void collectAccessibleNames(QAccessibleInterface *interface, QStringList &names)
    {
        if (!interface || interface->state().invisible)
            return;
        const QString name = interface->text(QAccessible::Name);
        if (!name.isEmpty())
            names.append(name);
        for (int i = 0; i < interface->childCount(); ++i)
            collectAccessibleNames(interface->child(i), names);
    }

    // Icons are text items drawn from the icon font that carry a symbol name.
    static bool isSymbol(const QQuickItem *item) { return item->property("name").isValid(); }

    static void collectTexts(const QQuickItem *item, QStringList &texts)
    {
        if (!item->isVisible() || item->opacity() == 0)
            return;
        if (item->inherits("QQuickText") && !isSymbol(item))
            texts.append(item->property("text").toString());
        const QList<QQuickItem *> children = item->childItems();
        for (const QQuickItem *child : children)
            collectTexts(child, texts);
    }

    static void collectSymbols(const QQuickItem *item, QStringList &symbols)
    {
        if (!item->isVisible() || item->opacity() == 0)
            return;
        if (item->inherits("QQuickText") && isSymbol(item))
            symbols.append(item->property("name").toString());
        const QList<QQuickItem *> children = item->childItems();
        for (const QQuickItem *child : children)
            collectSymbols(child, symbols);
    }

    QQmlEngine m_engine;
    QQuickWindow m_window;
    std::unique_ptr<PrintJobsViewModel> m_model;
    std::unique_ptr<QQuickItem> m_view;
};
