// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.UI

// One end of the planned move: a tinted icon, a caption and a queue name
// that is cut short rather than wrapped.
RowLayout {
    id: endpoint

    required property string symbol
    required property string title
    required property string name
    required property color tint

    spacing: 9

    SymbolTile {
        size: 30
        color: Theme.tint(endpoint.tint, Theme.endpointTileOpacity)
        symbol: endpoint.symbol
        textStyle: Theme.title3
        symbolColor: endpoint.tint
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.minimumWidth: 40
        spacing: 2

        StyledText {
            Layout.fillWidth: true
            text: endpoint.title
            font: Theme.caption2Bold
            color: Theme.secondaryText
        }

        StyledText {
            Layout.fillWidth: true
            text: endpoint.name
            font: Theme.headline
            maximumLineCount: 1
        }
    }
}
