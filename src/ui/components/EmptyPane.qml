// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.UI

// What a pane shows instead of its list when there is nothing to list.
ColumnLayout {
    id: pane

    required property string symbol
    required property string title
    required property string subtitle

    spacing: 9

    Symbol {
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: 46
        name: pane.symbol
        fixedSize: 27
        color: Theme.secondaryText
    }

    StyledText {
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: pane.width
        text: pane.title
        font: Theme.headline
    }

    StyledText {
        Layout.fillWidth: true
        Layout.bottomMargin: 46
        text: pane.subtitle
        font: Theme.subheadline
        color: Theme.secondaryText
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
    }
}
