// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.UI

// What a list row shows: a tinted tile, the lines the row type puts in
// (`texts`) and a mark. The same for every kind of row, whatever control
// carries it.
RowLayout {
    id: face

    property bool isSelected
    property color tint
    property string symbol
    property real tileSize
    property real tileRadius
    // How tile, texts and mark sit in the row when they differ in height.
    property int alignment: Qt.AlignVCenter
    property alias textSpacing: texts.spacing
    default property alias texts: texts.data

    spacing: 12

    SymbolTile {
        Layout.alignment: face.alignment
        size: face.tileSize
        radius: face.tileRadius
        color: face.isSelected ? face.tint : Theme.tint(face.tint, Theme.rowTileOpacity)
        symbol: face.symbol
        textStyle: Theme.title3
        symbolColor: face.isSelected ? Theme.white : face.tint
    }

    ColumnLayout {
        id: texts

        Layout.alignment: face.alignment
        Layout.fillWidth: true
    }

    Symbol {
        Layout.alignment: face.alignment
        // The flexible space of at least 4 between text and mark, with the
        // row's spacing on both of its sides.
        Layout.leftMargin: 4 + face.spacing
        name: face.isSelected ? "checkmark.circle.fill" : "circle"
        textStyle: Theme.title3
        color: face.isSelected ? Theme.white : Theme.uncheckedMark
    }
}
