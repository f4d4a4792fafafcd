// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Parvento.UI

// A button that Return and Enter click as well as Space, and that assistive
// technology can press: Qt's buttons ignore its press action by themselves.
Button {
    id: control

    Accessible.name: text

    EnterKeyClicks {
        button: control
    }

    AssistivePress {
        item: control
    }
}
