// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "CUPSServiceError.h"
#include "JobAction.h"
#include "PrintJob.h"

#include <QString>
#include <QStringView>

// Every German text CUPS access yields: the errors' descriptions and
// suggestions, the job states, a job as assistive technology reads it. The
// window's own texts are the model's (ModelTexts); they build on these.
namespace ServiceTexts {

// The form of a counted text for `count`: `singular` for exactly one, `plural`
// for any other count; "%1" in either stands for the count. Texts that keep
// one form for every count ("1 Auftrag bzw. Aufträge") do not go through it.
QString counted(qsizetype count, QStringView singular, QStringView plural);

QString errorDescription(const CUPSServiceError &error);
QString recoverySuggestion(const CUPSServiceError &error);
// Why a tool was not started: the program is ending.
QString programEnding();
// Why a job whose state the listing did not tell was not held after all.
QString beingPrintedNotHeld();
// What is asked of the scheduler for one job, as the subject of a sentence:
// "Das Anhalten des Auftrags Farbe-1".
QString jobOperation(JobAction action, const QString &identifier);
// Why a request to the scheduler got no answer; `reason` is the system's.
QString schedulerUnreachable(const QString &reason);
QString schedulerConnectionBroke(const QString &reason);
// An answer past `bytes`, which the program would not read to its end.
QString schedulerAnswerTooLarge(qsizetype bytes);

QString stateWord(PrintJob::State state);
// The job's segments for assistive technology, the state last. The window
// passes its own form of the identifier and a `shown` that keeps the others'
// texts in their fields; the record reads them as listed.
QString jobAccessibleDescription(const PrintJob &job, const QString &identifier, QString (*shown)(const QString &));

} // namespace ServiceTexts
