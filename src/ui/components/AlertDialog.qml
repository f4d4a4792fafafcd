import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.UI

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

    // Its own: a dialog lives in the window's overlay, outside the view that
    // opens it.
    SystemPaletteBinding {
        palette: dialog.palette
    }

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
