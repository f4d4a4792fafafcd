// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "BackgroundWork.h"

#include <QDeadlineTimer>
#include <QFuture>
#include <QPromise>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Runs one request to the scheduler on a thread of its own and hands its
// value on, or nothing once `timeLimit` has passed or the program is ending,
// whichever comes first, even while the request is still stuck inside
// libcups. The thread then ends on its own; it owns everything it touches.
//
// Its own thread rather than the pool: a request that hangs must never hold
// the pool that tool runs, moves among them, need; nor may anything wait for
// it when the program ends.
template<typename T> class DetachedRequest
{
public:
    using Result = std::optional<T>;

    static QFuture<Result> run(std::function<Result()> request, std::chrono::milliseconds timeLimit,
                               const std::atomic_bool &abandoned)
    {
        auto shared = std::make_shared<State>();
        shared->promise.start();
        QFuture<Result> future = shared->promise.future();
        std::thread([shared, request = std::move(request), counted = BackgroundWork::begin()] {
            shared->deliver(request());
        }).detach();
        // Gives up waiting at the deadline; the request's own watchdog makes
        // it end soon after, wherever libcups lets it.
        std::thread([shared, deadline = QDeadlineTimer(timeLimit), &abandoned] {
            std::unique_lock lock(shared->mutex);
            while (!shared->delivered && !abandoned && !deadline.hasExpired()) {
                const auto remaining = std::chrono::milliseconds(deadline.remainingTime());
                shared->wake.wait_for(lock, std::min(remaining, std::chrono::milliseconds(100)));
            }
            lock.unlock();
            shared->deliver(std::nullopt);
        }).detach();
        return future;
    }

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable wake;
        bool delivered = false;
        QPromise<Result> promise;

        // The first value counts; the later one is dropped.
        void deliver(Result value)
        {
            {
                std::lock_guard lock(mutex);
                if (delivered)
                    return;
                delivered = true;
            }
            wake.notify_all();
            promise.addResult(std::move(value));
            promise.finish();
        }
    };
};
