import QtQuick
import QtQuick.Controls

// The program's one window: the application menu above the window's content.
ApplicationWindow {
    id: window

    // The content's own minimum is 980 × 650; the menu bar and the toolbar
    // come on top of it.
    readonly property real chromeHeight: (menuBar ? menuBar.implicitHeight : 0) + content.header.implicitHeight
    readonly property alias applicationMenu: applicationMenu
    readonly property alias aboutDialog: about

    title: "Parvento"
    width: 1040
    height: 650 + chromeHeight
    minimumWidth: 980
    minimumHeight: 650 + chromeHeight
    visible: true

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

    menuBar: MenuBar {
        Menu {
            id: applicationMenu

            title: "Parvento"
            // Wide enough for the longest entry rather than the style's default.
            width: Math.max(implicitWidth, aboutItem.implicitWidth + leftPadding + rightPadding,
                            purposeItem.implicitWidth + leftPadding + rightPadding)

            MenuItem {
                id: aboutItem

                text: "Über Parvento"
                onTriggered: about.open()
            }

            // Names what the program is for; choosing it does nothing.
            MenuItem {
                id: purposeItem

                text: "Lokale CUPS-Aufträge verschieben"
                enabled: false
            }

            MenuSeparator {}

            MenuItem {
                action: quitAction
            }
        }
    }

    // Closing the window ends the program, as the desktop's own Ctrl+Q does
    // elsewhere; a confirmed move still finishes first (see ParventoApp).
    Action {
        id: quitAction

        text: "Beenden"
        onTriggered: window.close()
    }

    // Application-wide, so that it works whichever part of the window has focus.
    Shortcut {
        sequences: [StandardKey.Quit]
        context: Qt.ApplicationShortcut
        onActivated: window.close()
    }

    ContentView {
        id: content

        anchors.fill: parent
    }

    AboutDialog {
        id: about
    }
}
