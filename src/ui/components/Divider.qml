// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// A hairline between two parts of the window.
Rectangle {
    implicitWidth: 1
    implicitHeight: 1
    color: Theme.divider
}
