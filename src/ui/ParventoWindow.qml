// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Parvento.Model

// The program's one window: the application menu above the window's content.
ApplicationWindow {
    id: window

    // The content's own minimum is 980 × 650; the menu bar and the toolbar
    // come on top of it.
    readonly property real chromeHeight: (menuBar ? menuBar.implicitHeight : 0) + content.header.implicitHeight
    readonly property alias applicationMenu: applicationMenu
    readonly property alias aboutDialog: about

    title: WindowTexts.programName
    width: Theme.windowWidth
    height: Theme.windowHeight + chromeHeight
    minimumWidth: Theme.minimumWindowWidth
    minimumHeight: Theme.windowHeight + chromeHeight
    visible: true

    SystemPaletteBinding {
        palette: window.palette
    }

    menuBar: MenuBar {
        Menu {
            id: applicationMenu

            title: WindowTexts.programName
            // Wide enough for the longest entry rather than the style's default.
            width: Math.max(implicitWidth, aboutItem.implicitWidth + leftPadding + rightPadding,
                            purposeItem.implicitWidth + leftPadding + rightPadding)

            MenuItem {
                id: aboutItem

                text: WindowTexts.aboutMenuItem
                onTriggered: about.open()
                // Qt 6.4's menu items leave their name to the item.
                Accessible.name: text

                AssistivePress {
                    item: aboutItem
                }
            }

            // Names what the program is for; choosing it does nothing.
            MenuItem {
                id: purposeItem

                text: WindowTexts.purposeMenuItem
                enabled: false
                Accessible.name: text

                // Pressed, it does as little as when clicked.
                AssistivePress {
                    item: purposeItem
                }
            }

            MenuSeparator {}

            MenuItem {
                id: quitItem

                action: quitAction
                Accessible.name: text

                AssistivePress {
                    item: quitItem
                }
            }
        }
    }

    // Closing the window ends the program, as the desktop's own Ctrl+Q does
    // elsewhere; a confirmed move still finishes first (see ParventoApp).
    Action {
        id: quitAction

        text: WindowTexts.quit
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
