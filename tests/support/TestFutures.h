// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Waiting for what the service and the window model return. Header only.

#include <QFuture>
#include <QTest>

namespace TestFutures {

// The result of a service call. Its runs happen on the pool and continue
// there, never needing the calling thread, so a plain wait is safe.
template<typename T> T await(QFuture<T> future)
{
    future.waitForFinished();
    return future.result();
}

// Whether a workflow of the window model ends in time. The event loop runs
// meanwhile: the workflow's steps come back to this thread.
[[nodiscard]] inline bool finishes(const QFuture<void> &future, int timeout = 60'000)
{
    return QTest::qWaitFor([&future] { return future.isFinished(); }, timeout);
}

} // namespace TestFutures
