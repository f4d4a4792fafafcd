// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "SchedulerRequest.h"

#include "AddressLookup.h"
#include "RequestWatchdog.h"
#include "ServiceTexts.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <array>
#include <cstring>

#include <cups/cups.h>

namespace {

struct HttpCloser
{
    void operator()(http_t *http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpCloser>;

// The program never asks for a password: a request the scheduler wants
// authenticated beyond what libcups finds by itself is refused.
const char *noPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

// One POST of `request` on the connection as it stands, and the answer's
// HTTP status. Unlike cupsDoRequest(), it never opens another socket behind
// the watchdog's back: libcups would do so on 401, on 426 and when the POST
// fails, and wait for the new one without a limit.
http_status_t post(http_t *http, ipp_t *request)
{
    httpClearFields(http);
    httpSetField(http, HTTP_FIELD_CONTENT_TYPE, "application/ipp");
    httpSetLength(http, ippLength(request));
    // What cupsDoAuthentication() found; libcups 2.4 does not send it by itself.
    if (const char *authorisation = httpGetAuthString(http); authorisation && *authorisation)
        httpSetField(http, HTTP_FIELD_AUTHORIZATION, authorisation);
    if (httpPost(http, "/"))
        return HTTP_STATUS_ERROR;
    ippSetState(request, IPP_STATE_IDLE);
    for (ipp_state_t state = IPP_STATE_IDLE; state != IPP_STATE_DATA;) {
        state = ippWrite(http, request);
        if (state == IPP_STATE_ERROR)
            return HTTP_STATUS_ERROR;
    }
    http_status_t status = HTTP_STATUS_CONTINUE;
    while (status == HTTP_STATUS_CONTINUE)
        status = httpUpdate(http);
    return status;
}

// Why the connection failed or broke, in the user's language.
QString connectionError(http_t *http)
{
    const int error = http ? httpError(http) : 0;
    return error != 0 ? qt_error_string(error) : QString::fromUtf8(cupsLastErrorString());
}

SchedulerRequest::Result failure(SchedulerRequest::Outcome outcome, const QString &reason = {})
{
    return {outcome, nullptr, reason};
}

// Reads an answer for ippReadIO() without letting it grow past its budget: a
// server that sends without end would otherwise fill the memory until the
// time limit. Reads ahead in large pieces: libcups's own reader asks the
// socket for every few bytes and waits in poll() before each, which made
// 200,000 jobs take 50 seconds instead of 6.
struct BudgetedReader
{
    http_t *http;
    qsizetype left;
    bool exceeded = false;
    std::array<char, 32 * 1024> received {};
    size_t start = 0;
    size_t end = 0;

    // As libcups's own reader, all `length` bytes or the end of the answer.
    static ssize_t read(void *context, ipp_uchar_t *buffer, size_t length)
    {
        auto *reader = static_cast<BudgetedReader *>(context);
        if (qsizetype(length) > reader->left) {
            reader->exceeded = true;
            return -1;
        }
        size_t total = 0;
        while (total < length) {
            if (reader->start == reader->end) {
                // Never past the answer's end: httpRead2() stops at its length or last chunk.
                const ssize_t bytes = httpRead2(reader->http, reader->received.data(), reader->received.size());
                if (bytes <= 0)
                    break;
                reader->start = 0;
                reader->end = size_t(bytes);
            }
            const size_t taken = std::min(length - total, reader->end - reader->start);
            std::memcpy(buffer + total, reader->received.data() + reader->start, taken);
            reader->start += taken;
            total += taken;
        }
        reader->left -= qsizetype(total);
        return total == 0 && length > 0 ? -1 : ssize_t(total);
    }
};

} // namespace

SchedulerRequest::SchedulerRequest(std::chrono::milliseconds timeLimit, const std::atomic_bool &abandoned, Login login)
    : m_timeLimit(timeLimit)
    , m_abandoned(abandoned)
    , m_login(login)
{ }

SchedulerRequest::Result SchedulerRequest::send(ipp_t *request) const
{
    const Message owned(request);
    if (m_abandoned)
        return failure(Outcome::Expired);
    // libcups remembers the server per thread, and threads outlive a change
    // of CUPS_SERVER: read it afresh. The program pins its scheduler there
    // at start, so a client configuration changed since never counts.
    cupsSetServer(nullptr);
    cupsSetPasswordCB2(noPassword, nullptr);

    RequestWatchdog watchdog(QDeadlineTimer(m_timeLimit), m_abandoned);
    const QByteArray host(cupsServer());
    const AddressLookup::Result addresses = AddressLookup::lookUp(host, ippPort(), watchdog);
    if (watchdog.hasExpired())
        return failure(Outcome::Expired);
    if (!addresses.addresses)
        return failure(Outcome::Unreachable, ServiceTexts::schedulerUnreachable(addresses.reason));
    // Created unconnected, so that the connect below can be cancelled. A
    // server that wants TLS from the start gets its handshake inside that
    // connect, where libcups bounds each of its reads to 10 seconds.
    const Connection http(httpConnect2(host.constData(), ippPort(), addresses.addresses.get(), AF_UNSPEC,
                                       cupsEncryption(), 1, 0, nullptr));
    if (!http)
        return failure(Outcome::Unreachable, ServiceTexts::schedulerUnreachable(connectionError(nullptr)));
    // No single wait may outlast the time limit either, also on a socket
    // libcups opens on its own (its TLS upgrade reconnects unasked), which
    // the watchdog never hears of. Without a callback a wait that runs out fails.
    httpSetTimeout(http.get(), double(watchdog.remainingMilliseconds()) / 1000, nullptr, nullptr);
    // A new socket for the same connection, watched from the start.
    const auto reconnect = [&] {
        if (httpReconnect2(http.get(), watchdog.remainingMilliseconds(), watchdog.cancelFlag()) != 0)
            return false;
        watchdog.watch(httpGetFd(http.get()));
        return true;
    };
    if (!reconnect())
        return failure(watchdog.hasExpired() ? Outcome::Expired : Outcome::Unreachable,
                       ServiceTexts::schedulerUnreachable(connectionError(http.get())));

    http_status_t status = post(http.get(), owned.get());
    bool upgraded = false;
    bool loggedIn = false;
    while (!watchdog.hasExpired()) {
        if (status == HTTP_STATUS_UPGRADE_REQUIRED && !upgraded) {
            // A server that wants encryption: a new connection, upgraded to
            // TLS on the socket the watchdog watches.
            upgraded = true;
            if (!reconnect() || httpEncryption(http.get(), HTTP_ENCRYPTION_REQUIRED) != 0)
                break;
        } else if (status == HTTP_STATUS_UNAUTHORIZED && m_login == Login::WithoutPassword && !loggedIn) {
            // libcups picks what the scheduler offers and asks the password
            // callback, which declines, only when nothing else is left.
            loggedIn = true;
            if (cupsDoAuthentication(http.get(), "POST", "/") != 0 || !reconnect())
                break;
        } else {
            break;
        }
        status = post(http.get(), owned.get());
    }
    if (watchdog.hasExpired())
        return failure(Outcome::Expired);
    if (status == HTTP_STATUS_UNAUTHORIZED || status == HTTP_STATUS_FORBIDDEN)
        return failure(Outcome::Refused, QString::fromUtf8(httpStatus(status)));
    if (status == HTTP_STATUS_ERROR)
        return failure(Outcome::Broke, ServiceTexts::schedulerConnectionBroke(connectionError(http.get())));
    if (status != HTTP_STATUS_OK)
        return failure(Outcome::Failed, QString::fromUtf8(httpStatus(status)));

    Message answer(ippNew());
    auto reader = std::make_unique<BudgetedReader>(http.get(), answerBudget);
    for (ipp_state_t state = IPP_STATE_IDLE; state != IPP_STATE_DATA;) {
        state = ippReadIO(reader.get(), &BudgetedReader::read, 1, nullptr, answer.get());
        if (state == IPP_STATE_ERROR) {
            if (watchdog.hasExpired())
                return failure(Outcome::Expired);
            if (reader->exceeded)
                return failure(Outcome::Failed, ServiceTexts::schedulerAnswerTooLarge(answerBudget));
            return failure(Outcome::Broke, ServiceTexts::schedulerConnectionBroke(connectionError(http.get())));
        }
    }
    if (watchdog.hasExpired())
        return failure(Outcome::Expired);
    return {Outcome::Answered, std::move(answer), {}};
}

void SchedulerRequest::addRequestingUser(ipp_t *request)
{
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
}

QString SchedulerRequest::statusText(ipp_t *answer)
{
    if (ipp_attribute_t *message = ippFindAttribute(answer, "status-message", IPP_TAG_TEXT)) {
        if (const char *text = ippGetString(message, 0, nullptr); text && *text)
            return QString::fromUtf8(text);
    }
    return QString::fromUtf8(ippErrorString(ippGetStatusCode(answer)));
}

bool SchedulerRequest::succeeded(ipp_t *answer)
{
    return ippGetStatusCode(answer) <= IPP_STATUS_OK_EVENTS_COMPLETE;
}
