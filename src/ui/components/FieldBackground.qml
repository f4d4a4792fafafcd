// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// The face of a field the user types into or chooses from: tinted like a
// button, with a thin frame that turns into an accent ring while the field has
// the keyboard focus.
Rectangle {
    required property Item control

    implicitHeight: 28
    radius: Theme.buttonRadius
    color: Theme.tint(Theme.text, control.enabled ? 0.06 : 0.03)
    border.width: control.activeFocus ? 2 : 1
    border.color: control.activeFocus ? Theme.accent : Theme.divider
}
