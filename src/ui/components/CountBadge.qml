// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.Model
import Parvento.UI

// A count on a capsule; assistive technology reads it as "N Einträge".
Rectangle {
    id: badge

    required property int count

    implicitWidth: label.implicitWidth + 16
    implicitHeight: label.implicitHeight + 8
    radius: height / 2
    color: Theme.tint(Theme.text, 0.07)

    Accessible.role: Accessible.StaticText
    Accessible.name: WindowTexts.entryCount(count)

    StyledText {
        id: label
        anchors.centerIn: parent
        text: badge.count
        font: Theme.captionBold
        color: Theme.secondaryText
        Accessible.ignored: true
    }
}
