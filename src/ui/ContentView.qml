// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.Model

// The content of the window: the toolbar, the scrolling main column with its
// regions, the status bar, the three confirmation dialogs and the notice alert,
// all bound to one window model. The view owns a model on the system's lpstat
// unless it is handed another one when it is created.
Page {
    id: contentView

    property PrintJobsViewModel viewModel: PrintJobsViewModel {}
    // The pause after each finished reload before the next one starts; the
    // reloader's own unless the view is handed another.
    property alias reloadInterval: reloader.interval

    readonly property alias flickable: flickable
    readonly property alias headerRegion: headerRegion
    readonly property alias transferSummary: transferSummary
    readonly property alias jobPane: jobPane
    readonly property alias destinationPane: destinationPane
    readonly property alias actionBar: actionBar
    readonly property alias statusBar: statusBar
    readonly property alias refreshButton: refreshButton
    readonly property alias confirmationDialog: confirmationDialog
    readonly property alias cancelConfirmationDialog: cancelConfirmationDialog
    readonly property alias undoConfirmationDialog: undoConfirmationDialog
    readonly property alias noticeAlert: noticeAlert

    implicitWidth: Theme.windowWidth
    implicitHeight: Theme.windowHeight
    padding: 0

    // What the user acts with stays in view however far the job list
    // scrolls: the destination pane keeps to the top of the visible part
    // while its row passes by, and the action bar docks at the bottom edge
    // while its own place lies below. Both are only drawn shifted, so the
    // column's layout, and a window where everything fits, stay the same.
    readonly property real actionBarShift: Math.min(0, flickable.contentY + flickable.height - actionBar.dockedGap - (mainColumn.y + actionBar.y + actionBar.height))
    // The bottom of the visible part that the docked bar takes.
    readonly property real dockedBarHeight: actionBar.height + actionBar.dockedGap + Theme.regionSpacing
    readonly property real destinationShift: {
        const paneTop = mainColumn.y + panes.y;
        const room = flickable.height - Theme.windowMargin - dockedBarHeight;
        // A pane taller than the room scrolls along until its end is in
        // view and stays there, so every destination can still be reached.
        const wanted = destinationPane.height <= room ? flickable.contentY + Theme.windowMargin - paneTop : flickable.contentY + flickable.height - dockedBarHeight - (paneTop + destinationPane.height);
        return Math.max(0, Math.min(panes.height - destinationPane.height, wanted));
    }

    // Its own as well as the window's: tests and benchmarks show the view in
    // a bare window.
    SystemPaletteBinding {
        palette: contentView.palette
    }

    background: Rectangle {
        color: Theme.window
    }

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 8
            anchors.rightMargin: 8

            Item {
                Layout.fillWidth: true
            }

            ToolBarButton {
                id: refreshButton

                text: WindowTexts.reload
                symbol: "arrow.clockwise"
                enabled: !contentView.viewModel.reload.isBusy
                onClicked: contentView.viewModel.reload.refresh()
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Flickable {
            id: flickable

            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: width
            contentHeight: mainColumn.implicitHeight + 2 * Theme.windowMargin
            boundsBehavior: Flickable.StopAtBounds

            ScrollBar.vertical: ScrollBar {
                policy: flickable.contentHeight > flickable.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            ColumnLayout {
                id: mainColumn

                x: Theme.windowMargin
                y: Theme.windowMargin
                width: flickable.width - 2 * Theme.windowMargin
                spacing: Theme.regionSpacing

                Header {
                    id: headerRegion

                    Layout.fillWidth: true
                    reload: contentView.viewModel.reload
                    schedulerText: contentView.viewModel.schedulerText
                }

                TransferSummary {
                    id: transferSummary

                    Layout.fillWidth: true
                    selection: contentView.viewModel.selection
                }

                RowLayout {
                    id: panes

                    Layout.fillWidth: true
                    spacing: Theme.paneSpacing

                    JobPane {
                        id: jobPane

                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: true
                        Layout.preferredWidth: 100
                        selection: contentView.viewModel.selection
                        reload: contentView.viewModel.reload
                        work: contentView.viewModel.work
                        actions: contentView.viewModel.actions
                        flickable: flickable
                        obscuredBottom: contentView.dockedBarHeight
                    }

                    DestinationPane {
                        id: destinationPane

                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: true
                        Layout.preferredWidth: 100
                        selection: contentView.viewModel.selection
                        reload: contentView.viewModel.reload
                        work: contentView.viewModel.work
                        flickable: flickable
                        shift: contentView.destinationShift
                        obscuredBottom: contentView.dockedBarHeight
                    }
                }

                ActionBar {
                    id: actionBar

                    Layout.fillWidth: true
                    selection: contentView.viewModel.selection
                    move: contentView.viewModel.move
                    work: contentView.viewModel.work
                    shift: contentView.actionBarShift
                }
            }
        }

        Divider {
            Layout.fillWidth: true
        }

        StatusBar {
            id: statusBar

            Layout.fillWidth: true
            reload: contentView.viewModel.reload
            notices: contentView.viewModel.notices
        }
    }

    QuestionDialog {
        id: confirmationDialog

        question: contentView.viewModel.move.question
        title: WindowTexts.confirmationTitle
        confirmText: WindowTexts.confirmMove
        keepText: WindowTexts.cancelButton
    }

    // Keeping the jobs is the default here.
    QuestionDialog {
        id: cancelConfirmationDialog

        question: contentView.viewModel.actions.cancelQuestion
        title: WindowTexts.cancelConfirmationTitle
        confirmText: WindowTexts.confirmCancel
        keepText: WindowTexts.keepJobs
    }

    QuestionDialog {
        id: undoConfirmationDialog

        question: contentView.viewModel.undo.question
        title: WindowTexts.undoConfirmationTitle
        confirmText: WindowTexts.confirmUndo
        keepText: WindowTexts.cancelButton
    }

    NoticeAlert {
        id: noticeAlert

        notices: contentView.viewModel.notices
        undo: contentView.viewModel.undo
    }

    // Ctrl+Z takes back the last move while that is offered, as the report's
    // button does; not while the filter field takes the key for its text.
    Shortcut {
        sequence: "Ctrl+Z"
        enabled: contentView.viewModel.undo.canUndo && !contentView.jobPane.filterField.activeFocus
        onActivated: contentView.viewModel.undo.requestConfirmation()
    }

    // The first reload at once, then one after every pause, for as long as
    // the view is shown.
    PeriodicReloader {
        id: reloader

        viewModel: contentView.viewModel
        running: contentView.visible
    }
}
