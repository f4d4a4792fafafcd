// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include <LpstatOutput.h>
#include <TextRules.h>

#include <QCollator>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    const QList<Printer> printers = LpstatOutput::parsePrinters(text);

    FUZZ_ASSERT(printers.size() <= TextRules::splitLines(text, false).size());
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    for (qsizetype i = 0; i < printers.size(); ++i) {
        const QString &name = printers[i].name;
        FUZZ_ASSERT(!name.isEmpty());
        FUZZ_ASSERT(TextRules::trimSpacesAndLineBreaks(name) == QStringView(name));
        FUZZ_ASSERT(text.contains(name));
        if (i > 0)
            FUZZ_ASSERT(collator.sortKey(printers[i - 1].name).compare(collator.sortKey(name)) <= 0);
    }
    return 0;
}
