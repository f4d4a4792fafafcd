pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Parvento.Model

// Step 1: the waiting jobs, any number of which the user selects.
PaneCard {
    id: jobPane

    required property PrintJobsViewModel viewModel
    required property Flickable flickable
    readonly property bool busy: viewModel.isLoading || viewModel.isMoving
    readonly property alias list: list

    tint: Theme.orange
    outlineOpacity: 0.26

    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        StepBadge {
            number: "1"
            tint: Theme.orange
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 1

            StyledText {
                Layout.fillWidth: true
                text: "Aufträge auswählen"
                font: Theme.headline
            }

            StyledText {
                Layout.fillWidth: true
                text: "Mehrfachauswahl möglich"
                font: Theme.caption
                color: Theme.secondaryText
            }
        }

        CountBadge {
            count: jobPane.viewModel.jobCount
        }
    }

    StyledText {
        Layout.fillWidth: true
        visible: jobPane.viewModel.selectedJobCount > 0
        text: "%1 ausgewählt".arg(jobPane.viewModel.selectedJobCount)
        font: Theme.captionSemibold
        color: Theme.orange
    }

    Divider {
        Layout.fillWidth: true
    }

    EmptyPane {
        Layout.fillWidth: true
        visible: jobPane.viewModel.jobCount === 0 && !jobPane.viewModel.isLoading
        symbol: "doc.text"
        title: "Keine wartenden Aufträge"
        subtitle: "Sobald CUPS einen Auftrag meldet, erscheint er hier."
    }

    LazyList {
        id: list

        Layout.fillWidth: true
        visible: jobPane.viewModel.jobCount > 0
        flickable: jobPane.flickable
        spacing: 9
        model: jobPane.viewModel.jobModel
        delegate: JobRow {
            width: ListView.view.width
            enabled: !jobPane.busy
            onClicked: jobPane.viewModel.toggleJobSelectionAt(index)
            Keys.onTabPressed: list.focusNeighbour(index, true)
            Keys.onBacktabPressed: list.focusNeighbour(index, false)
            onActiveFocusChanged: {
                if (activeFocus)
                    list.reveal(this);
            }
        }
    }
}
