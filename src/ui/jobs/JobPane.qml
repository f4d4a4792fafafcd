// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.Model
import Parvento.UI

// Step 1: the waiting jobs, any number of which the user selects. A filter
// narrows the list to what the user looks for; selected jobs it hides stay
// selected, and the line below the heading says how many.
StepPane {
    id: jobPane

    required property SelectionControl selection
    required property ReloadControl reload
    required property CountedWork work
    required property JobActionControl actions
    readonly property alias filterField: filterField
    readonly property alias queueChooser: queueChooser
    readonly property alias selectShownButton: selectShownButton
    readonly property alias clearSelectionButton: clearSelectionButton
    readonly property alias holdButton: holdButton
    readonly property alias releaseButton: releaseButton
    readonly property alias cancelButton: cancelButton

    // Ctrl+F: the filter field, in view, its text ready to be typed over.
    function focusFilter() {
        list.reveal(filterField);
        filterField.forceActiveFocus(Qt.ShortcutFocusReason);
        filterField.selectAll();
    }

    tint: Theme.orange
    outlineOpacity: Theme.jobPaneOutlineOpacity
    step: "1"
    title: WindowTexts.jobPaneTitle
    subtitle: WindowTexts.jobPaneSubtitle
    count: selection.filter.shownCount
    spokenCount: WindowTexts.jobCount(count)
    note: selection.selectionNote
    emptySymbol: "doc.text"
    rowNameRole: "accessibleDescription"
    emptyTitle: selection.jobCount > 0 ? WindowTexts.noMatchingJobsTitle : WindowTexts.noWaitingJobsTitle
    emptySubtitle: selection.jobCount > 0 ? WindowTexts.noMatchingJobsHint : WindowTexts.noWaitingJobsHint
    loading: reload.isLoading
    model: selection.jobModel
    delegate: JobRow {
        list: jobPane.list
        // A reload leaves the rows to the user; a move, a hold, a release or
        // a cancel holds them.
        enabled: !jobPane.work.isWorking
        onClicked: jobPane.selection.toggleJobSelectionAt(index)
        Keys.onPressed: event => {
            if (event.matches(StandardKey.SelectAll)) {
                jobPane.selection.selectShownJobs();
                event.accepted = true;
            }
        }
    }

    tools: [
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.controlSpacing

            TextField {
                id: filterField

                Layout.fillWidth: true
                text: jobPane.selection.jobFilterText
                placeholderText: WindowTexts.jobFilterName
                font: Theme.callout
                color: Theme.text
                placeholderTextColor: Theme.tertiaryText
                selectionColor: Theme.accent
                selectedTextColor: Theme.onAccent
                leftPadding: searchIcon.width + 14
                rightPadding: 10
                topPadding: Theme.buttonVerticalPadding
                bottomPadding: Theme.buttonVerticalPadding
                selectByMouse: true
                background: FieldBackground {
                    control: filterField
                }
                onTextEdited: jobPane.selection.jobFilterText = text
                Accessible.name: WindowTexts.jobFilterName
                Keys.onEscapePressed: event => {
                    if (text.length > 0)
                        jobPane.selection.jobFilterText = "";
                    else
                        event.accepted = false;
                }

                Symbol {
                    id: searchIcon

                    anchors.left: parent.left
                    anchors.leftMargin: Theme.fieldInset
                    anchors.verticalCenter: parent.verticalCenter
                    name: "magnifyingglass"
                    textStyle: Theme.callout
                    color: Theme.secondaryText
                }
            }

            StyledComboBox {
                id: queueChooser

                Layout.preferredWidth: 190
                model: jobPane.selection.filter.queueChoices
                currentIndex: jobPane.selection.filter.queueIndex
                onActivated: index => jobPane.selection.chooseSourceQueueAt(index)
                Accessible.name: WindowTexts.sourceQueueChooserName
            }
        },
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.controlSpacing

            PushButton {
                id: selectShownButton

                text: WindowTexts.selectShownJobs
                enabled: jobPane.selection.canSelectShownJobs
                onClicked: jobPane.selection.selectShownJobs()
            }

            PushButton {
                id: clearSelectionButton

                text: WindowTexts.clearSelection
                enabled: jobPane.selection.canClearJobSelection
                onClicked: jobPane.selection.clearJobSelection()
            }

            Item {
                Layout.fillWidth: true
            }
        },
        // What can be done to the selected jobs where they wait; only a
        // cancel, which cannot be taken back, asks first. A row of its own:
        // beside the selection buttons they would widen the pane.
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.controlSpacing

            PushButton {
                id: holdButton

                text: WindowTexts.holdJobs
                enabled: jobPane.actions.canHold
                onClicked: jobPane.actions.holdSelectedJobs()
            }

            PushButton {
                id: releaseButton

                text: WindowTexts.releaseJobs
                enabled: jobPane.actions.canRelease
                onClicked: jobPane.actions.releaseSelectedJobs()
            }

            PushButton {
                id: cancelButton

                text: WindowTexts.cancelJobs
                destructive: true
                enabled: jobPane.actions.canCancel
                onClicked: jobPane.actions.requestCancelConfirmation()
            }

            Item {
                Layout.fillWidth: true
            }
        }
    ]

    // Shift+Up and Shift+Down add the job they move to, and never take one
    // away.
    Connections {
        target: jobPane.list

        function onSelectionExtended(row: Item) {
            if (!row.isSelected)
                jobPane.selection.toggleJobSelectionAt(row.index);
        }
    }

    Shortcut {
        sequence: StandardKey.Find
        onActivated: jobPane.focusFilter()
    }

    // Delete asks to cancel the selected jobs, from the list or anywhere in
    // the window, but not while the filter field takes the key for its text.
    // The Delete key alone: the platform's other delete bindings (Ctrl+D)
    // are no way to ask for something that cannot be taken back.
    Shortcut {
        sequence: "Delete"
        enabled: jobPane.actions.canCancel && !filterField.activeFocus
        onActivated: jobPane.actions.requestCancelConfirmation()
    }
}
