// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// A symbol centred on a tinted tile: a disc unless given another radius.
Rectangle {
    id: tile

    required property string symbol
    required property real size
    property alias textStyle: glyph.textStyle
    property alias symbolColor: glyph.color

    implicitWidth: size
    implicitHeight: size
    radius: width / 2

    Symbol {
        id: glyph

        anchors.centerIn: parent
        name: tile.symbol
    }
}
