// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "CountedListAccessibility.h"

#include "CountedList.h"
#include "ListRowAccessibility.h"

#include <QQuickWindow>

namespace {

QAccessibleInterface *countedListFactory(const QString &, QObject *object)
{
    if (auto *list = qobject_cast<CountedList *>(object))
        return new CountedListAccessibility(list);
    return nullptr;
}

// Whether QML gave `item` an Accessible attached object, which is what puts an
// item into the tree assistive technology sees.
bool isAccessibleItem(const QQuickItem *item)
{
    const QObjectList &children = item->children();
    return std::any_of(children.cbegin(), children.cend(), [](const QObject *child) {
        return qstrcmp(child->metaObject()->className(), "QQuickAccessibleAttached") == 0;
    });
}

} // namespace

CountedListAccessibility::CountedListAccessibility(CountedList *list)
    : QAccessibleObject(list)
{
    m_renumbering = QObject::connect(list, &CountedList::rowsRenumbered, list, [this] { forgetAbsentRows(); });
}

CountedListAccessibility::~CountedListAccessibility()
{
    QObject::disconnect(m_renumbering);
    forgetAbsentRows();
}

void CountedListAccessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(countedListFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

CountedList *CountedListAccessibility::list() const
{
    return static_cast<CountedList *>(object());
}

void CountedListAccessibility::forgetAbsentRows()
{
    for (const QAccessible::Id id : std::as_const(m_absentRows))
        QAccessible::deleteAccessibleInterface(id);
    m_absentRows.clear();
}

QAccessibleInterface *CountedListAccessibility::parent() const
{
    for (QQuickItem *item = list()->parentItem(); item; item = item->parentItem()) {
        if (item == item->window()->contentItem())
            break;
        if (isAccessibleItem(item))
            return QAccessible::queryAccessibleInterface(item);
    }
    return list()->window() ? QAccessible::queryAccessibleInterface(list()->window()) : nullptr;
}

QAccessibleInterface *CountedListAccessibility::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (QQuickItem *item = list()->rowItem(index)) {
        if (QAccessibleInterface *own = QAccessible::queryAccessibleInterface(item))
            return own;
    }
    if (const QAccessible::Id id = m_absentRows.value(index))
        return QAccessible::accessibleInterface(id);
    auto *absent = new ListRowAccessibility(list(), index);
    m_absentRows.insert(index, QAccessible::registerAccessibleInterface(absent));
    return absent;
}

int CountedListAccessibility::childCount() const
{
    return list()->rowCount();
}

int CountedListAccessibility::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (!child->object()) {
        const auto *absent = static_cast<const ListRowAccessibility *>(child);
        const QAccessible::Id id = m_absentRows.value(absent->row());
        return id && QAccessible::accessibleInterface(id) == child ? absent->row() : -1;
    }
    return list()->rowOf(qobject_cast<const QQuickItem *>(child->object()));
}

QAccessibleInterface *CountedListAccessibility::childAt(int x, int y) const
{
    const QQuickWindow *window = list()->window();
    QQuickItem *view = list()->view();
    if (!window || !view)
        return nullptr;
    const QPointF inView = view->mapFromScene(window->mapFromGlobal(QPoint(x, y)));
    const QList<QQuickItem *> items = view->childItems();
    for (QQuickItem *contentItem : items) {
        QQuickItem *item = contentItem->childAt(contentItem->mapFromItem(view, inView).x(),
                                                contentItem->mapFromItem(view, inView).y());
        if (list()->rowOf(item) >= 0)
            return QAccessible::queryAccessibleInterface(item);
    }
    return nullptr;
}

QString CountedListAccessibility::text(QAccessible::Text type) const
{
    // The name QML gave the list (its pane's title).
    const QObjectList &children = list()->children();
    for (const QObject *child : children) {
        if (qstrcmp(child->metaObject()->className(), "QQuickAccessibleAttached") == 0)
            return type == QAccessible::Name       ? child->property("name").toString()
                : type == QAccessible::Description ? child->property("description").toString()
                                                   : QString();
    }
    return {};
}

QAccessible::Role CountedListAccessibility::role() const
{
    return QAccessible::List;
}

QAccessible::State CountedListAccessibility::state() const
{
    QAccessible::State state;
    state.invisible = !list()->isVisible();
    return state;
}

QRect CountedListAccessibility::rect() const
{
    const QQuickWindow *window = list()->window();
    if (!window)
        return {};
    const QRectF inScene = list()->mapRectToScene(QRectF(0, 0, list()->width(), list()->height()));
    return QRect(window->mapToGlobal(inScene.topLeft().toPoint()), inScene.size().toSize());
}

QWindow *CountedListAccessibility::window() const
{
    return list()->window();
}
