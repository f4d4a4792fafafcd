// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.UI

// A button of the window's toolbar: a symbol beside its label, faded while it
// cannot be used. Return, Enter and assistive technology click it as Space
// does, as they do every button of the window.
ToolButton {
    id: toolButton

    required property string symbol

    Accessible.name: text

    EnterKeyClicks {
        button: toolButton
    }

    AssistivePress {
        item: toolButton
    }

    contentItem: RowLayout {
        spacing: Theme.symbolSpacing
        opacity: toolButton.enabled ? 1 : Theme.disabledOpacity

        Symbol {
            name: toolButton.symbol
            textStyle: Theme.title3
        }

        StyledText {
            text: toolButton.text
            font: Theme.callout
            // The button itself is named by it.
            Accessible.ignored: true
        }
    }
}
