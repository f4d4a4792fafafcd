// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import Parvento.Model
import Parvento.UI

// Step 2: the queues that may receive the selected jobs, one of which the
// user chooses as destination.
StepPane {
    id: destinationPane

    required property SelectionControl selection
    required property ReloadControl reload
    required property CountedWork work

    tint: Theme.cyan
    outlineOpacity: Theme.destinationPaneOutlineOpacity
    step: "2"
    title: WindowTexts.destinationPaneTitle
    subtitle: WindowTexts.destinationPaneSubtitle
    count: selection.destinationCount
    spokenCount: WindowTexts.destinationCount(count)
    emptySymbol: "printer"
    emptyTitle: WindowTexts.noDestinationsTitle
    emptySubtitle: selection.selectedJobCount === 0 ? WindowTexts.noDestinationsWithoutJobsHint : WindowTexts.onlySourceQueuesHint
    loading: reload.isLoading
    model: selection.destinationModel
    rowNameRole: "accessibleName"
    rowsAreChoices: true
    delegate: PrinterRow {
        list: destinationPane.list
        // A reload leaves the rows to the user; a move or an action on the
        // jobs holds them.
        enabled: !destinationPane.work.isWorking
        onClicked: destinationPane.selection.chooseDestinationAt(index)
    }
}
