// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// One icon, named by its symbol name, drawn from the embedded icon font so it
// takes a text style (or a fixed size) and a colour like text.
Text {
    required property string name
    property font textStyle: Theme.headline
    // A fixed size in points instead of the text style, when above 0.
    property real fixedSize: 0

    text: Theme.glyph(name)
    textFormat: Text.PlainText
    font: fixedSize > 0 ? Theme.iconFontOfSize(fixedSize) : Theme.iconFontLike(textStyle)
    color: Theme.text
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    Accessible.ignored: true
}
