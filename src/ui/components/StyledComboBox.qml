// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls
import Parvento.UI

// A chooser in the window's own look: the face of a field, a chevron, and a
// popup whose highlighted choice takes a wash of the accent colour. Its model's
// "display" role is the text of each choice. Assistive technology can press
// the chooser to open it and each choice to take it.
ComboBox {
    id: chooser

    textRole: "display"
    font: Theme.callout
    leftPadding: 12
    rightPadding: Theme.fieldInset
    topPadding: Theme.buttonVerticalPadding
    bottomPadding: Theme.buttonVerticalPadding

    background: FieldBackground {
        control: chooser
    }

    contentItem: StyledText {
        text: chooser.displayText
        font: chooser.font
        verticalAlignment: Text.AlignVCenter
        // The chooser itself is named and valued by it.
        Accessible.ignored: true
    }

    indicator: Symbol {
        x: chooser.width - width - Theme.fieldInset
        y: (chooser.height - height) / 2
        name: "chevron.down"
        textStyle: chooser.font
        color: Theme.secondaryText
    }

    popup.background: Rectangle {
        radius: Theme.buttonRadius
        color: Theme.window
        border.width: Theme.hairline
        border.color: Theme.divider
    }

    AssistivePress {
        item: chooser
    }

    delegate: ItemDelegate {
        id: choice

        required property int index
        // The row's roles; "display" is its text (a button's own `display`
        // is taken).
        required property var model

        width: ListView.view ? ListView.view.width : implicitWidth
        text: model.display
        font: chooser.font
        highlighted: chooser.highlightedIndex === index
        Accessible.name: text

        background: Rectangle {
            radius: Theme.buttonRadius - 2
            color: choice.highlighted ? Theme.highlightedChoiceFill : "transparent"
        }

        contentItem: StyledText {
            text: choice.text
            font: choice.font
            verticalAlignment: Text.AlignVCenter
            Accessible.ignored: true
        }

        AssistivePress {
            item: choice
        }
    }
}
