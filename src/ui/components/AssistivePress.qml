// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick

// Assistive technology's press action does what a click does. Qt 6.4's
// controls leave that action unanswered unless the item handles it itself, so
// every item the user can press carries one of these.
Connections {
    required property Item item

    target: item.Accessible

    function onPressAction() {
        // A click on a disabled control does nothing either.
        if (!item.enabled)
            return;
        // A menu item bound to an action runs the action, as its click does.
        if (item.action)
            item.action.trigger();
        // A combo box's click opens its choices.
        else if (item.popup)
            item.popup.open();
        else
            item.clicked();
    }
}
