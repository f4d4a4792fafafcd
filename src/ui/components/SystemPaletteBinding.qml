// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import Parvento.UI

// Draws the palette of a window, control or popup from the system palette,
// also where the style would otherwise keep its own. Text roles are bound
// colour group by colour group, so disabled controls keep their paler text.
QtObject {
    id: binding

    required property Palette palette

    readonly property list<Binding> roles: [
        Binding { target: binding.palette; property: "window"; value: Theme.palette.window },
        Binding { target: binding.palette; property: "base"; value: Theme.palette.base },
        Binding { target: binding.palette; property: "alternateBase"; value: Theme.palette.alternateBase },
        Binding { target: binding.palette; property: "button"; value: Theme.palette.button },
        Binding { target: binding.palette; property: "highlight"; value: Theme.palette.highlight },
        Binding { target: binding.palette; property: "highlightedText"; value: Theme.palette.highlightedText },
        Binding { target: binding.palette; property: "light"; value: Theme.palette.light },
        Binding { target: binding.palette; property: "midlight"; value: Theme.palette.midlight },
        Binding { target: binding.palette; property: "mid"; value: Theme.palette.mid },
        Binding { target: binding.palette; property: "dark"; value: Theme.palette.dark },
        Binding { target: binding.palette; property: "shadow"; value: Theme.palette.shadow },
        Binding { target: binding.palette.active; property: "windowText"; value: Theme.palette.windowText },
        Binding { target: binding.palette.inactive; property: "windowText"; value: Theme.palette.windowText },
        Binding { target: binding.palette.disabled; property: "windowText"; value: Theme.disabledPalette.windowText },
        Binding { target: binding.palette.active; property: "text"; value: Theme.palette.text },
        Binding { target: binding.palette.inactive; property: "text"; value: Theme.palette.text },
        Binding { target: binding.palette.disabled; property: "text"; value: Theme.disabledPalette.text },
        Binding { target: binding.palette.active; property: "buttonText"; value: Theme.palette.buttonText },
        Binding { target: binding.palette.inactive; property: "buttonText"; value: Theme.palette.buttonText },
        Binding { target: binding.palette.disabled; property: "buttonText"; value: Theme.disabledPalette.buttonText },
        Binding { target: binding.palette.active; property: "placeholderText"; value: Theme.palette.placeholderText },
        Binding { target: binding.palette.inactive; property: "placeholderText"; value: Theme.palette.placeholderText },
        Binding { target: binding.palette.disabled; property: "placeholderText"; value: Theme.disabledPalette.placeholderText }
    ]
}
