// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.UI

// A button in the window's own look: a tinted face (filled with the accent
// colour when it is the primary action), an optional symbol before its label,
// a ring in the accent colour while the keyboard focus is on it. Return and
// Enter click it as well as Space, and assistive technology can press it:
// Qt's buttons ignore its press action by themselves.
Button {
    id: control

    // A symbol name of Theme.glyphs shown before the label, or none.
    property string symbol
    // The one action the window or dialog leads to.
    property bool primary: false
    // An action that cannot be taken back: its label is drawn in red.
    property bool destructive: false

    readonly property color labelColor: !enabled ? Theme.tertiaryText : primary ? Theme.onAccent : destructive ? Theme.destructive : Theme.text

    Accessible.name: text
    font: Theme.callout
    leftPadding: Theme.buttonHorizontalPadding
    rightPadding: Theme.buttonHorizontalPadding
    topPadding: Theme.buttonVerticalPadding
    bottomPadding: Theme.buttonVerticalPadding

    background: Rectangle {
        implicitHeight: Theme.controlHeight
        radius: Theme.buttonRadius
        color: {
            if (!control.enabled)
                return Theme.disabledButtonFill;
            if (control.primary)
                return control.down ? Theme.pressedPrimaryButtonFill : Theme.accent;
            return control.down ? Theme.pressedButtonFill : control.hovered ? Theme.hoveredButtonFill : Theme.buttonFill;
        }
        border.width: control.visualFocus ? Theme.focusRingWidth : 0
        border.color: control.primary ? Theme.text : Theme.accent
    }

    contentItem: RowLayout {
        spacing: Theme.symbolSpacing

        Symbol {
            visible: control.symbol.length > 0
            name: control.symbol
            textStyle: control.font
            color: control.labelColor
        }

        StyledText {
            Layout.fillWidth: true
            text: control.text
            font: control.font
            color: control.labelColor
            horizontalAlignment: Text.AlignHCenter
            // The button itself is named by it.
            Accessible.ignored: true
        }
    }

    EnterKeyClicks {
        button: control
    }

    AssistivePress {
        item: control
    }
}
