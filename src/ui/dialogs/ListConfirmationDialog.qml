// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Parvento.UI

// The form of the questions asked before jobs are cancelled or a move is
// taken back, after the move confirmation: the count and the notes stay in
// view, the list of jobs scrolls between them. It follows `requested`, the
// model's flag: opens when it is set, and however it closes while it is
// still set (the safe button, Escape, a click outside) it says `dismissed`.
// The safe button is the default; only the confirm button acts.
AlertDialog {
    id: dialog

    required property bool requested
    // A confirmation value of the model: headline, lines, notes.
    required property var confirmation
    property alias confirmText: confirmButton.text
    property alias keepText: keepButton.text
    readonly property alias confirmButton: confirmButton
    readonly property alias keepButton: keepButton

    signal dismissed

    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    onRequestedChanged: requested ? open() : close()
    // The texts as they stand when the dialog comes up.
    onAboutToShow: {
        lead = confirmation.headline;
        message = confirmation.lines.join("\n");
        notes = confirmation.notes;
    }
    onOpened: keepButton.forceActiveFocus(Qt.OtherFocusReason)
    // Skipped when the model has already taken the flag back itself, as it
    // does when what was asked about starts.
    onClosed: {
        if (requested)
            dismissed();
    }

    PushButton {
        id: confirmButton

        destructive: true
        onClicked: dialog.accept()
    }

    PushButton {
        id: keepButton

        onClicked: dialog.reject()
    }
}
