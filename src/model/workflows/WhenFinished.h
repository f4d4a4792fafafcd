// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QFuture>
#include <QPointer>

#include <memory>
#include <optional>
#include <type_traits>

// Calls `handler` on the UI thread once `future` has ended: with its value, or
// with nothing when it ended without one (cancelled, or failed with an
// exception), so that a waiting workflow always learns that the step is over.
//
// The handler is always posted to the application object's event queue and
// never runs inside this call, even for a future that has already finished, so
// a long chain of steps cannot grow the stack. The application object is the
// context on purpose: a continuation bound to an object that dies before the
// future ends is dropped, and a window closed mid-way would leave its workflow
// unfinished. A handler that needs its starter checks a QPointer to it.
template<typename T, typename Handler> void whenFinished(QFuture<T> future, Handler &&handler)
{
    const QPointer<QObject> context = QCoreApplication::instance();
    Q_ASSERT(context);
    auto shared = std::make_shared<std::decay_t<Handler>>(std::forward<Handler>(handler));
    auto deliver = [context, shared](std::optional<T> outcome) {
        if (!context)
            return; // the application is gone; nobody is left to tell
        QMetaObject::invokeMethod(
            context.data(), [shared, outcome = std::move(outcome)]() mutable { (*shared)(std::move(outcome)); },
            Qt::QueuedConnection);
    };
    future.then([deliver](T value) { deliver(std::optional<T>(std::move(value))); })
        .onFailed([deliver] { deliver(std::nullopt); })
        .onCanceled([deliver] { deliver(std::nullopt); });
}

// The same for a future without a value: `handler()` runs once it has ended,
// however it ended.
template<typename Handler> void whenFinished(QFuture<void> future, Handler &&handler)
{
    const QPointer<QObject> context = QCoreApplication::instance();
    Q_ASSERT(context);
    auto shared = std::make_shared<std::decay_t<Handler>>(std::forward<Handler>(handler));
    auto deliver = [context, shared] {
        if (!context)
            return;
        QMetaObject::invokeMethod(
            context.data(), [shared] { (*shared)(); }, Qt::QueuedConnection);
    };
    future.then(deliver).onFailed(deliver).onCanceled(deliver);
}
