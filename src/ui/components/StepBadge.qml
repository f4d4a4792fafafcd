// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// The number of a workflow step on a circle in the step's colour.
Rectangle {
    id: badge

    required property string number
    required property color tint

    implicitWidth: 27
    implicitHeight: 27
    radius: width / 2
    color: tint

    StyledText {
        anchors.centerIn: parent
        text: badge.number
        font: Theme.headline
        color: Theme.white
    }
}
