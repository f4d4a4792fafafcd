// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// The face of a field the user types into or chooses from: tinted like a
// button, with a thin frame that turns into an accent ring while the field has
// the keyboard focus.
Rectangle {
    required property Item control

    implicitHeight: Theme.controlHeight
    radius: Theme.buttonRadius
    color: control.enabled ? Theme.fieldFill : Theme.disabledFieldFill
    border.width: control.activeFocus ? Theme.focusRingWidth : Theme.hairline
    border.color: control.activeFocus ? Theme.accent : Theme.divider
}
