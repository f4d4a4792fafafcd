// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Parvento.UI

// A list row's rounded ground: the row's tint fills it while the row is
// selected; a ring shows keyboard focus.
Rectangle {
    required property T.AbstractButton row
    required property bool isSelected
    required property color tint

    radius: Theme.rowRadius
    color: isSelected ? tint : Theme.rowFill
    border.width: row.visualFocus ? Theme.focusRingWidth : 0
    border.color: isSelected ? Theme.text : Theme.accent
}
