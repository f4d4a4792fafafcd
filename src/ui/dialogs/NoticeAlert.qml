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

    required property NoticeControl notices
    required property UndoControl undo
    readonly property string noticeKey: notices.notice.id
    // The id of the notice on screen, so that closing an alert that a newer
    // notice replaced does not dismiss the newer one.
    property string shownKey
    readonly property alias okButton: okButton
    readonly property alias undoButton: undoButton

    title: notices.notice.title
    message: notices.notice.message
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
            notices.dismiss();
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

        visible: alert.notices.notice.offersUndo && alert.undo.canUndo
        // Ctrl+Z still reaches it and says in the status line why it waits.
        enabled: !alert.undo.waitsForLists
        text: WindowTexts.undoMove
        onClicked: alert.undo.requestConfirmation()
    }

    PushButton {
        id: okButton

        text: WindowTexts.okButton
        onClicked: alert.close()
    }
}
