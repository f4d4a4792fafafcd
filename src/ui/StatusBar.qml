// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.Model

// Always in view below the scrolling column: busy or idle, the status line,
// and where lpmove was found.
Item {
    id: statusBar

    required property ReloadControl reload
    required property NoticeControl notices

    implicitHeight: row.implicitHeight + 2 * 10

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: Theme.windowMargin
        anchors.rightMargin: Theme.windowMargin
        anchors.topMargin: 10
        anchors.bottomMargin: 10
        spacing: Theme.controlSpacing

        Symbol {
            name: statusBar.reload.isBusy ? "clock" : "checkmark.circle"
            textStyle: Theme.callout
            color: statusBar.reload.isBusy ? Theme.accent : Theme.secondaryText
        }

        StyledText {
            Layout.fillWidth: true
            text: statusBar.notices.statusText
            font: Theme.caption
            color: Theme.secondaryText
            maximumLineCount: 1
        }

        StyledText {
            Layout.maximumWidth: row.width / 2
            visible: statusBar.reload.lpmovePath.length > 0
            text: WindowTexts.lpmoveLocation(statusBar.reload.lpmovePath)
            font: Theme.caption2Mono
            color: Theme.tertiaryText
            elide: Text.ElideMiddle
        }
    }
}
