// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Titles and owners are typed by other users, queue names, reasons and
// messages by whoever runs the scheduler, which may be remote. Before such a
// text reaches the screen (or a screen reader) it goes through here, so that
// it stays in its field: it cannot add lines, forge a bullet, hide or turn
// round what stands beside it, nor pass for another name. The records keep
// the text exactly as listed, because the tools get it back unchanged.
namespace DisplayText {

// The text with every line break and tab as one space (CR LF counts as one
// break), and every other control character (C0, DEL, C1) and every
// bidirectional control (embeddings, overrides, isolates and the invisible
// direction marks, which can turn digits and punctuation round unseen) as
// U+FFFD, which shows that something was there. Anything else is kept.
QString cleaned(const QString &text);

// cleaned(), and where the text holds right-to-left characters, wrapped in
// FIRST STRONG ISOLATE … POP DIRECTIONAL ISOLATE: it still reads right to
// left, but cannot reorder the text around it. Text without such characters
// cannot reorder anything in the window's left-to-right lines and stays
// unwrapped. Empty text stays empty.
QString field(const QString &text);

// The longest outside text a question or a report shows, in characters:
// enough for any reason or title worth reading, and short enough that the
// dialog's buttons stay in view.
constexpr qsizetype longestShown = 160;

// `text` cut after `limit` characters (grapheme clusters), with "…" when cut.
QString shortened(const QString &text, qsizetype limit = longestShown);

} // namespace DisplayText
