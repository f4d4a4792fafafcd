// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Parvento.Model
import Parvento.UI

// Shows the model's notice. Keyed by the notice's id: a notice with a new id
// is presented as a new alert even when its texts equal the last one's.
// Dismissing it clears the notice. A move's report offers to take the move
// back while the model still does.
AlertDialog {
    id: alert

    required property PrintJobsViewModel viewModel
    readonly property string noticeKey: viewModel.notice.id
    // The id of the notice on screen, so that closing an alert that a newer
    // notice replaced does not dismiss the newer one.
    property string shownKey
    readonly property alias okButton: okButton
    readonly property alias undoButton: undoButton

    title: viewModel.notice.title
    message: viewModel.notice.message
    closePolicy: Popup.CloseOnEscape

    onNoticeKeyChanged: {
        close();
        shownKey = noticeKey;
        if (noticeKey.length > 0)
            open();
    }
    onOpened: okButton.forceActiveFocus(Qt.OtherFocusReason)
    onClosed: {
        if (shownKey.length > 0 && shownKey === noticeKey)
            viewModel.dismissNotice();
    }

    // Ctrl+Z as in the window, which the open alert keeps from its shortcuts.
    Shortcut {
        sequence: "Ctrl+Z"
        enabled: alert.opened && undoButton.visible
        onActivated: undoButton.clicked()
    }

    // The model closes the report as it asks whether to take the move back.
    PushButton {
        id: undoButton

        visible: alert.viewModel.notice.offersUndo && alert.viewModel.canUndoMove
        // Ctrl+Z still reaches it and says in the status line why it waits.
        enabled: !alert.viewModel.undoWaitsForLists
        text: WindowTexts.undoMove
        onClicked: alert.viewModel.requestUndoConfirmation()
    }

    PushButton {
        id: okButton

        text: WindowTexts.okButton
        onClicked: alert.close()
    }
}
