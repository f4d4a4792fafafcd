// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "LpstatOutput.h"

#include "QueueName.h"
#include "TextRules.h"

#include <QSet>
#include <QStringDecoder>

#include <array>

using namespace Qt::StringLiterals;

QString LpstatOutput::decodeToolOutput(const QByteArray &bytes)
{
    // A BOM is data like any other character here: nothing is dropped.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {};
    return text;
}

QList<PrintJob> LpstatOutput::parseBasicJobs(const QString &output)
{
    QList<PrintJob> jobs;
    // One job per line is the common shape; reserving once avoids regrowing a
    // large list while thousands of jobs are appended.
    jobs.reserve(output.count(u'\n') + 1);
    // A broken or hostile scheduler may list one job twice; it is still one
    // job, and must never be moved twice. CUPS takes identifiers that differ
    // only in the case of ASCII letters, or in how the number is written, for
    // the same job too.
    QSet<QString> seen;
    seen.reserve(jobs.capacity());
    TextRules::forEachLine(output, false, [&jobs, &seen](QStringView line) {
        const QList<QStringView> tokens = TextRules::leadingTokens(line, 2);
        const std::optional<JobIdentifier> identifier
            = tokens.isEmpty() ? std::nullopt : JobIdentifier::fromListing(tokens.first());
        if (!identifier)
            return;
        const qsizetype known = seen.size();
        seen.insert(identifier->listingKey());
        if (seen.size() == known)
            return;
        PrintJob job;
        job.identifier = identifier->listed();
        job.sourcePrinterName = identifier->queueName();
        if (tokens.size() >= 2)
            job.owner = tokens.at(1).toString();
        jobs.append(std::move(job));
    });
    return jobs;
}

JobDetails::Table LpstatOutput::parseJobDetails(const QString &output)
{
    JobDetails::Table table;
    // A job takes three lines or more, some 150 characters; growing the table
    // step by step would move every record it holds several times.
    table.reserve(output.size() / 150);
    std::optional<QString> currentJob;
    // What the lines under the current job said, stored once its lines end:
    // one lookup per job rather than one per line.
    std::optional<QString> title;
    std::optional<QString> owner;
    const auto storeCurrentJob = [&] {
        if (currentJob && (title || owner)) {
            JobDetails &details = table[*currentJob];
            if (title)
                details.title = std::move(title);
            if (owner)
                details.owner = std::move(owner);
        }
        title.reset();
        owner.reset();
    };
    TextRules::forEachLine(output, true, [&](QStringView line) {
        if (TextRules::startsWithBlank(line)) {
            if (!currentJob)
                return;
            const QStringView detail = TextRules::trimSpacesAndLineBreaks(line);
            if (TextRules::startsWithMarker(detail, "Title:"_L1)) {
                const QStringView value = TextRules::trimSpaces(detail.sliced(6));
                if (!value.isEmpty())
                    title = value.toString();
                return;
            }
            if (TextRules::startsWithMarker(detail, "User:"_L1)) {
                const QStringView value = TextRules::trimSpaces(detail.sliced(5));
                if (!value.isEmpty())
                    owner = value.toString();
            }
            return;
        }
        storeCurrentJob();
        const QList<QStringView> tokens = TextRules::leadingTokens(line, 1);
        currentJob = tokens.isEmpty() ? std::nullopt : JobIdentifier::jobKeyOfListed(tokens.first());
    });
    storeCurrentJob();
    return table;
}

QList<Printer> LpstatOutput::parsePrinters(const QString &output, const AcceptingPhrases &localized)
{
    // English and German wordings; phrases 1, 3 and 5 say that the queue
    // rejects jobs.
    static constexpr std::array markers {
        " akzeptiert keine Anfragen"_L1, " akzeptiert Anfragen"_L1,    " is not accepting requests"_L1,
        " is accepting requests"_L1,     " not accepting requests"_L1, " accepting requests"_L1,
    };

    QList<Printer> printers;
    TextRules::forEachLine(output, false, [&printers, &localized](QStringView line) {
        qsizetype cut = -1;
        size_t cutMarker = 0;
        for (size_t i = 0; i < markers.size(); ++i) {
            const qsizetype at = TextRules::indexOfMarker(line, markers[i]);
            if (at >= 0 && (cut < 0 || at < cut)) {
                cut = at;
                cutMarker = i;
            }
        }
        bool accepting = cutMarker % 2 == 1;
        if (cut < 0) {
            const std::optional<AcceptingPhrases::Match> match = localized.match(line);
            if (!match)
                return;
            cut = match->nameEnd;
            accepting = match->accepting;
        }
        const QStringView name = TextRules::trimSpacesAndLineBreaks(line.first(cut));
        if (name.isEmpty())
            return;
        // The scheduler's details, when they come, have the last word on the state.
        Printer printer {name.toString()};
        printer.acceptingJobs = accepting;
        printers.append(std::move(printer));
    });

    return QueueName::sorted(std::move(printers), [](const Printer &printer) { return printer.name; });
}
