// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.Model
import Parvento.UI

// Asks before the last move is taken back, listing where each job goes.
// "Abbrechen" is the default, and Escape leaves the jobs where they are too;
// only "Zurück verschieben" moves them.
ListConfirmationDialog {
    required property PrintJobsViewModel viewModel

    title: WindowTexts.undoConfirmationTitle
    requested: viewModel.isShowingUndoConfirmation
    confirmation: viewModel.undoConfirmation
    confirmText: WindowTexts.confirmUndo
    keepText: WindowTexts.cancelButton

    onDismissed: viewModel.isShowingUndoConfirmation = false
    onAccepted: viewModel.undoLastMove()
}
