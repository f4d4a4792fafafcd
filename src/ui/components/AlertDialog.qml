// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.UI

// A modal dialog in the shape of a desktop alert: a visible bold title, a
// message shown verbatim, and the buttons right-aligned in the given order.
// An optional lead above the message and notes below it stay in view; the
// message scrolls when all of it does not fit into the window.
Dialog {
    id: dialog

    property string message
    // The message line by line; a question hands its lines over as they are.
    property var lines: dialog.message.length > 0 ? dialog.message.split("\n") : []
    property string lead
    property var notes: []
    default property alias buttons: buttonRow.data
    readonly property alias messageArea: scroller

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 440
    // Never taller than the window, whose smallest size still leaves room
    // for a few lines of the message.
    height: parent ? Math.min(implicitHeight, parent.height - 2 * 24) : implicitHeight
    modal: true
    focus: true
    padding: Theme.dialogPadding
    topPadding: 8
    bottomPadding: 16

    // Its own: a dialog lives in the window's overlay, outside the view that
    // opens it.
    SystemPaletteBinding {
        palette: dialog.palette
    }

    background: Rectangle {
        radius: Theme.cardRadius
        color: Theme.dialogSurface
        border.width: Theme.hairline
        border.color: Theme.divider
    }

    Overlay.modal: Rectangle {
        color: Theme.dialogScrim
    }

    header: StyledText {
        topPadding: Theme.dialogPadding
        leftPadding: Theme.dialogPadding
        rightPadding: Theme.dialogPadding
        text: dialog.title
        font: Theme.headline
        wrapMode: Text.Wrap
        elide: Text.ElideNone
    }

    contentItem: ColumnLayout {
        spacing: 12

        StyledText {
            Layout.fillWidth: true
            Layout.minimumHeight: implicitHeight
            visible: dialog.lead.length > 0
            text: dialog.lead
            wrapMode: Text.Wrap
            elide: Text.ElideNone
        }

        Flickable {
            id: scroller

            readonly property bool scrolls: contentHeight > height + 0.5

            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: message.implicitHeight
            Layout.minimumHeight: Math.min(message.implicitHeight, 60)
            contentWidth: width
            contentHeight: message.implicitHeight
            clip: scrolls
            interactive: scrolls
            boundsBehavior: Flickable.StopAtBounds

            ScrollBar.vertical: ScrollBar {
                id: scrollBar

                policy: scroller.scrolls ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            MessageText {
                id: message

                width: scroller.width - (scroller.scrolls ? scrollBar.width + 6 : 0)
                lines: dialog.lines
            }
        }

        Repeater {
            model: dialog.notes

            StyledText {
                required property string modelData

                Layout.fillWidth: true
                Layout.minimumHeight: implicitHeight
                text: modelData
                wrapMode: Text.Wrap
                elide: Text.ElideNone
            }
        }
    }

    footer: Item {
        implicitHeight: buttonRow.implicitHeight + Theme.dialogPadding

        RowLayout {
            id: buttonRow

            anchors.right: parent.right
            anchors.rightMargin: Theme.dialogPadding
            anchors.top: parent.top
            spacing: Theme.controlSpacing
        }
    }
}
