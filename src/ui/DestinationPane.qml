pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Parvento.Model

// Step 2: the queues that may receive the selected jobs, one of which the
// user chooses as destination.
PaneCard {
    id: destinationPane

    required property PrintJobsViewModel viewModel
    required property Flickable flickable
    readonly property bool busy: viewModel.isLoading || viewModel.isMoving
    readonly property alias list: list

    tint: Theme.cyan
    outlineOpacity: 0.34

    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        StepBadge {
            number: "2"
            tint: Theme.cyan
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 1

            StyledText {
                Layout.fillWidth: true
                text: "Zieldrucker auswählen"
                font: Theme.headline
            }

            StyledText {
                Layout.fillWidth: true
                text: "Name deutlich prüfen, dann verschieben"
                font: Theme.caption
                color: Theme.secondaryText
            }
        }

        CountBadge {
            count: destinationPane.viewModel.destinationCount
        }
    }

    Divider {
        Layout.fillWidth: true
    }

    EmptyPane {
        Layout.fillWidth: true
        visible: destinationPane.viewModel.destinationCount === 0 && !destinationPane.viewModel.isLoading
        symbol: "printer"
        title: "Keine Zieldrucker verfügbar"
        subtitle: destinationPane.viewModel.selectedJobCount === 0 ? "Wählen Sie zuerst mindestens einen Auftrag." : "Die Quellgeräte der Auswahl sind die einzigen bekannten Drucker."
    }

    LazyList {
        id: list

        Layout.fillWidth: true
        visible: destinationPane.viewModel.destinationCount > 0
        flickable: destinationPane.flickable
        spacing: 9
        model: destinationPane.viewModel.destinationModel
        delegate: PrinterRow {
            width: ListView.view.width
            enabled: !destinationPane.busy
            onClicked: destinationPane.viewModel.chooseDestinationAt(index)
            Keys.onTabPressed: list.focusNeighbour(index, true)
            Keys.onBacktabPressed: list.focusNeighbour(index, false)
            onActiveFocusChanged: {
                if (activeFocus)
                    list.reveal(this);
            }
        }
    }
}
