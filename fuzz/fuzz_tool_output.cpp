// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
// What one tool run hands over: both streams decoded all-or-nothing, judged by
// validate(), and every error text that can come of it.
#include "FuzzInput.h"

#include <CUPSServiceTestAccess.h>
#include <LpstatOutput.h>

#include <CUPSService.h>
#include <TextRules.h>

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const qint32 status = qint8(data[0]);
    const size_t split = data[1] % (size - 1);
    const QByteArray out(reinterpret_cast<const char *>(data + 2), qsizetype(split));
    const QByteArray err(reinterpret_cast<const char *>(data + 2 + split), qsizetype(size - 2 - split));

    const CommandResult result {LpstatOutput::decodeToolOutput(out), LpstatOutput::decodeToolOutput(err), status};
    // Decoding either keeps every byte or drops the stream whole.
    FUZZ_ASSERT(result.standardOutput.isEmpty() || result.standardOutput.toUtf8() == out);
    FUZZ_ASSERT(result.standardError.isEmpty() || result.standardError.toUtf8() == err);
    FUZZ_ASSERT(!(result.standardOutput.isEmpty() && QString::fromUtf8(out).toUtf8() == out && !out.isEmpty()));

    const CUPSResult<void> verdict = CUPSServiceTestAccess::validate(result, QStringLiteral("lpmove"));
    FUZZ_ASSERT(verdict.has_value() == (status == 0));
    if (verdict)
        return 0;
    const CUPSServiceError &error = verdict.error();
    FUZZ_ASSERT(error.status() == status);
    FUZZ_ASSERT(error.standardError() == result.standardError || error.standardError() == result.standardOutput);
    const QString description = error.errorDescription();
    FUZZ_ASSERT(!description.isEmpty() && !error.recoverySuggestion().isEmpty());
    if (CUPSServiceError::isPermissionError(TextRules::trimSpacesAndLineBreaks(error.standardError()).toString()))
        FUZZ_ASSERT(description.startsWith(QStringLiteral("CUPS hat die Berechtigung verweigert.")));
    else
        FUZZ_ASSERT(description.startsWith(QStringLiteral("lpmove ist mit Status ")));
    return 0;
}
