// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import Parvento.Model

// Step 1: the waiting jobs, any number of which the user selects.
StepPane {
    id: jobPane

    required property PrintJobsViewModel viewModel

    tint: Theme.orange
    outlineOpacity: 0.26
    step: "1"
    title: "Aufträge auswählen"
    subtitle: "Mehrfachauswahl möglich"
    count: viewModel.jobCount
    note: viewModel.selectedJobCount > 0 ? "%1 ausgewählt".arg(viewModel.selectedJobCount) : ""
    emptySymbol: "doc.text"
    emptyTitle: "Keine wartenden Aufträge"
    emptySubtitle: "Sobald CUPS einen Auftrag meldet, erscheint er hier."
    loading: viewModel.isLoading
    model: viewModel.jobModel
    delegate: JobRow {
        list: jobPane.list
        // A reload leaves the rows to the user; only a move holds them.
        enabled: !jobPane.viewModel.isMoving
        onClicked: jobPane.viewModel.toggleJobSelectionAt(index)
    }
}
