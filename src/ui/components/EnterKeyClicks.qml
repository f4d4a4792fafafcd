// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T

// Return and Enter click the button that has keyboard focus, as Space does:
// the style only takes Space, and a desktop user expects either key to work.
Connections {
    // Any button: the template type, which the style's own buttons derive from.
    required property T.AbstractButton button

    target: button.Keys

    function onReturnPressed() {
        button.clicked();
    }

    function onEnterPressed() {
        button.clicked();
    }
}
