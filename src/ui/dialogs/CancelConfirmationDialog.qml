// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.Model
import Parvento.UI

// Asks before the selected jobs are cancelled. Keeping the jobs is the
// default, and Escape keeps them too; only "Aufträge abbrechen" cancels them.
ListConfirmationDialog {
    required property PrintJobsViewModel viewModel

    title: WindowTexts.cancelConfirmationTitle
    requested: viewModel.isShowingCancelConfirmation
    confirmation: viewModel.cancelConfirmation
    confirmText: WindowTexts.confirmCancel
    keepText: WindowTexts.keepJobs

    onDismissed: viewModel.isShowingCancelConfirmation = false
    onAccepted: viewModel.cancelSelectedJobs()
}
