// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick.Controls
import Parvento.Model
import Parvento.UI

// Name, version and purpose of the program.
AlertDialog {
    id: about

    title: WindowTexts.programName
    message: WindowTexts.aboutMessage(Qt.application.version)
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    PushButton {
        text: WindowTexts.okButton
        onClicked: about.close()
    }
}
