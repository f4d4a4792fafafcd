// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// A count on a capsule; assistive technology reads `spokenCount`, which says
// what is counted.
Rectangle {
    id: badge

    required property int count
    required property string spokenCount

    implicitWidth: label.implicitWidth + 16
    implicitHeight: label.implicitHeight + 8
    radius: height / 2
    color: Theme.countBadgeFill

    Accessible.role: Accessible.StaticText
    Accessible.name: spokenCount

    StyledText {
        id: label
        anchors.centerIn: parent
        text: badge.count
        font: Theme.captionBold
        color: Theme.secondaryText
        Accessible.ignored: true
    }
}
