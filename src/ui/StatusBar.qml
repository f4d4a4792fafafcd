// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Parvento.Model

// Always in view below the scrolling column: busy or idle, the status line,
// and where lpmove was found.
Item {
    id: statusBar

    required property PrintJobsViewModel viewModel

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
            name: statusBar.viewModel.isBusy ? "clock" : "checkmark.circle"
            textStyle: Theme.callout
            color: statusBar.viewModel.isBusy ? Theme.accent : Theme.secondaryText
        }

        StyledText {
            Layout.fillWidth: true
            text: statusBar.viewModel.statusText
            font: Theme.caption
            color: Theme.secondaryText
            maximumLineCount: 1
        }

        StyledText {
            Layout.maximumWidth: row.width / 2
            visible: statusBar.viewModel.lpmovePath.length > 0
            text: WindowTexts.lpmoveLocation(statusBar.viewModel.lpmovePath)
            font: Theme.caption2Mono
            color: Theme.tertiaryText
            elide: Text.ElideMiddle
        }
    }
}
