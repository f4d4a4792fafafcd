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
    palette.base: Theme.palette.base
    palette.alternateBase: Theme.palette.alternateBase
    palette.button: Theme.palette.button
    palette.highlight: Theme.palette.highlight
    palette.highlightedText: Theme.palette.highlightedText
    palette.light: Theme.palette.light
    palette.midlight: Theme.palette.midlight
    palette.mid: Theme.palette.mid
    palette.dark: Theme.palette.dark
    palette.shadow: Theme.palette.shadow
    // Text roles group by group, so disabled controls keep their paler text.
    palette.active.windowText: Theme.palette.windowText
    palette.inactive.windowText: Theme.palette.windowText
    palette.disabled.windowText: Theme.disabledPalette.windowText
    palette.active.text: Theme.palette.text
    palette.inactive.text: Theme.palette.text
    palette.disabled.text: Theme.disabledPalette.text
    palette.active.buttonText: Theme.palette.buttonText
    palette.inactive.buttonText: Theme.palette.buttonText
    palette.disabled.buttonText: Theme.disabledPalette.buttonText
    palette.active.placeholderText: Theme.palette.placeholderText
    palette.inactive.placeholderText: Theme.palette.placeholderText
    palette.disabled.placeholderText: Theme.disabledPalette.placeholderText

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
