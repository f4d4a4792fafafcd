// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ListedConfirmation.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <functional>

// A question the window asks before it acts (a move, taking one back, a
// cancel): open or not, and its parts, for one dialog that scrolls the job
// lines alone and keeps the rest in view. The capability that asks opens it
// with what it lists and decides what an answer does; the dialog follows
// `isOpen` and answers with accept() or dismiss().
class Question : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A capability of the window model asks it.")

    Q_PROPERTY(bool isOpen READ isOpen NOTIFY isOpenChanged FINAL)
    // "2 Druckaufträge werden abgebrochen:"
    Q_PROPERTY(QString headline READ headline NOTIFY contentChanged FINAL)
    // One per job.
    Q_PROPERTY(QStringList lines READ lines NOTIFY contentChanged FINAL)
    // Below the lines: what the user should know before answering.
    Q_PROPERTY(QStringList notes READ notes NOTIFY contentChanged FINAL)

public:
    using Answer = std::function<void()>;
    // `accepted` and `dismissed` run while the question is open; each closes it.
    Question(Answer accepted, Answer dismissed, QObject *parent);

    bool isOpen() const { return m_isOpen; }
    const ListedConfirmation &content() const { return m_content; }
    QString headline() const { return m_content.headline; }
    QStringList lines() const { return m_content.lines; }
    QStringList notes() const { return m_content.notes; }
    // The whole question in one text, as a screen reader hears it.
    QString text() const { return m_content.text(); }

    void open(const ListedConfirmation &content);
    // Without an answer: what was asked about has ended or started.
    void close();

    Q_INVOKABLE void accept();
    Q_INVOKABLE void dismiss();

Q_SIGNALS:
    void isOpenChanged();
    void contentChanged();

private:
    Answer m_accepted;
    Answer m_dismissed;
    bool m_isOpen = false;
    ListedConfirmation m_content;
};
