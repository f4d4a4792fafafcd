// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "AcceptingPhrases.h"
#include "JobDetails.h"
#include "PrintJob.h"
#include "Printer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// Reading what lpstat prints. Used by CUPSService for its listings; the tests,
// fuzzers and benchmarks reach the parsers here directly. None of them ever
// fails: a line of no known shape is skipped.
namespace LpstatOutput {

// The decoding rule for the output of every tool run, lpstat's and lpmove's
// alike: valid UTF-8 as a whole, or nothing.
QString decodeToolOutput(const QByteArray &bytes);

// `lpstat -o`: the jobs in line order, without titles.
QList<PrintJob> parseBasicJobs(const QString &output);
// `lpstat -l -o`: owner and title per job, for JobDetails::addTo().
JobDetails::Table parseJobDetails(const QString &output);
// `lpstat -a`: the queues, sorted by name (locale-aware, case-insensitive,
// stable), each marked rejecting where the line says so. English and German
// lines are always read; `localized` adds the wording of the user's language.
QList<Printer> parsePrinters(const QString &output, const AcceptingPhrases &localized = {});

} // namespace LpstatOutput
