// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick.Controls
import Parvento.UI

// Name, version and purpose of the program.
AlertDialog {
    id: about

    title: "Parvento"
    message: (Qt.application.version.length > 0 ? "Version %1\n\n".arg(Qt.application.version) : "")
             + "Listet die wartenden Druckaufträge der lokalen CUPS-Warteschlangen und verschiebt ausgewählte Aufträge nach Bestätigung gemeinsam in eine andere Warteschlange."
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    PushButton {
        text: "OK"
        onClicked: about.close()
    }
}
