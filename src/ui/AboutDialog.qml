import QtQuick.Controls

// Name, version and purpose of the program.
AlertDialog {
    id: about

    title: "Parvento"
    message: "Version %1\n\nListet die wartenden Druckaufträge der lokalen CUPS-Warteschlangen und verschiebt ausgewählte Aufträge nach Bestätigung gemeinsam in eine andere Warteschlange.".arg(Qt.application.version)
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    Button {
        text: "OK"
        onClicked: about.close()
    }
}
