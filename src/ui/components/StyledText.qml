// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// A text of the window: shown verbatim (never as rich text), one of the
// Theme's text styles, the primary text colour unless told otherwise. Screen
// readers read it as a static text named by what it shows.
Text {
    textFormat: Text.PlainText
    font: Theme.callout
    color: Theme.text
    elide: Text.ElideRight
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
