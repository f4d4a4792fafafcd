import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A modal dialog in the shape of a desktop alert: a visible bold title, a
// message shown verbatim, and the buttons right-aligned in the given order.
Dialog {
    id: dialog

    property string message
    default property alias buttons: buttonRow.data

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 440
    modal: true
    focus: true
    padding: 20
    topPadding: 8
    bottomPadding: 16

    // The controls draw from the same system palette as the rest of the
    // window, also where the style would otherwise keep its own.
    palette.window: Theme.palette.window
    palette.windowText: Theme.palette.windowText
    palette.base: Theme.palette.base
    palette.alternateBase: Theme.palette.alternateBase
    palette.text: Theme.palette.text
    palette.button: Theme.palette.button
    palette.buttonText: Theme.palette.buttonText
    palette.highlight: Theme.palette.highlight
    palette.highlightedText: Theme.palette.highlightedText
    palette.light: Theme.palette.light
    palette.midlight: Theme.palette.midlight
    palette.mid: Theme.palette.mid
    palette.dark: Theme.palette.dark
    palette.shadow: Theme.palette.shadow
    palette.placeholderText: Theme.palette.placeholderText

    header: StyledText {
        topPadding: 20
        leftPadding: 20
        rightPadding: 20
        text: dialog.title
        font: Theme.headline
        wrapMode: Text.Wrap
        elide: Text.ElideNone
    }

    contentItem: StyledText {
        text: dialog.message
        font: Theme.callout
        wrapMode: Text.Wrap
        elide: Text.ElideNone
    }

    footer: Item {
        implicitHeight: buttonRow.implicitHeight + 20

        RowLayout {
            id: buttonRow

            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.top: parent.top
            spacing: 8
        }
    }
}
