// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma Singleton

import QtQuick
import Parvento.UI

// Text styles, colours and icon glyphs of the window. Text styles scale with
// the platform's default font (reference: a 13-point body), so they follow the
// user's font size; colours come from the system palette, so light and dark
// mode both work. Orange marks the job side, cyan the destination side and the
// accent colour the transfer itself.
QtObject {
    id: theme

    readonly property SystemPalette palette: SystemPalette {
        colorGroup: SystemPalette.Active
    }
    readonly property SystemPalette disabledPalette: SystemPalette {
        colorGroup: SystemPalette.Disabled
    }

    readonly property FontLoader iconFont: FontLoader {
        source: "qrc:/qt/qml/Parvento/UI/fonts/MaterialIcons-Regular.ttf"
    }

    // Colours.
    readonly property color window: palette.window
    readonly property color text: palette.windowText
    readonly property color accent: palette.highlight
    readonly property color onAccent: palette.highlightedText
    readonly property bool isDark: window.hslLightness < 0.5
    readonly property color orange: "#e8820c"
    readonly property color cyan: "#1a9fc4"
    readonly property color white: "#ffffff"
    readonly property color black: "#000000"
    readonly property color secondaryText: tint(text, isDark ? 0.68 : 0.62)
    readonly property color tertiaryText: tint(text, isDark ? 0.48 : 0.45)
    readonly property color divider: tint(text, isDark ? 0.18 : 0.14)
    // The small print of a selected row, on its accent fill.
    readonly property color selectedDetailText: tint(white, 0.84)
    readonly property color destructive: isDark ? "#ff6961" : "#c62828"

    // Fills, one per role, over the window colour. The wash of the text colour
    // keeps a surface neutral in both palettes; the accent marks what is
    // ready or highlighted.
    readonly property color cardFill: tint(text, 0.045)
    readonly property color readyCardFill: tint(accent, 0.10)
    readonly property color rowFill: tint(text, 0.035)
    readonly property color countBadgeFill: tint(text, 0.07)
    readonly property color fieldFill: tint(text, 0.06)
    readonly property color disabledFieldFill: tint(text, 0.03)
    readonly property color buttonFill: tint(text, 0.09)
    readonly property color hoveredButtonFill: tint(text, 0.13)
    readonly property color pressedButtonFill: tint(text, 0.18)
    readonly property color disabledButtonFill: tint(text, 0.06)
    readonly property color pressedPrimaryButtonFill: Qt.darker(accent, 1.15)
    // The choice under the pointer or the arrow keys in a chooser's list.
    readonly property color highlightedChoiceFill: tint(accent, 0.22)
    // A job's state on a selected row, whose fill is the pane's colour.
    readonly property color selectedStateBadgeFill: tint(white, 0.2)
    // Of the state's own colour on a row that is not selected.
    readonly property real stateBadgeOpacity: 0.1
    // The symbol tile of a row that is not selected, of the pane's colour.
    readonly property real rowTileOpacity: 0.14
    // The symbol tiles of the transfer summary: the jobs' and the
    // destination's, and the one that says nothing is chosen yet.
    readonly property real endpointTileOpacity: 0.16
    readonly property color idleTransferTileFill: tint(accent, 0.12)
    // The check circle of a row that is not selected.
    readonly property color uncheckedMark: faded(secondaryText, 0.55)
    // A pane's outline, of its colour: cyan needs more to show as much as
    // orange does.
    readonly property real jobPaneOutlineOpacity: 0.26
    readonly property real destinationPaneOutlineOpacity: 0.34
    // One of the rings that together draw a pane's soft shadow.
    readonly property color shadowRing: tint(black, 0.035 / 4)
    // The program's emblem in the header: the accent as a top-lit gradient.
    readonly property color emblemTop: Qt.lighter(accent, 1.25)
    readonly property color emblemBottom: Qt.darker(accent, 1.2)
    // A dialog is raised a little above the window in the dark palette, where
    // a shadow would not show, and dims the window behind it.
    readonly property color dialogSurface: isDark ? Qt.lighter(window, 1.35) : window
    readonly property color dialogScrim: tint(black, isDark ? 0.5 : 0.3)
    // What a control that is out of use keeps of its strength.
    readonly property real disabledOpacity: 0.5

    // `base` at the given opacity.
    function tint(base: color, opacity: real): color {
        return Qt.rgba(base.r, base.g, base.b, opacity)
    }

    // `base`, already translucent or not, made more translucent by `opacity`.
    function faded(base: color, opacity: real): color {
        return Qt.rgba(base.r, base.g, base.b, base.a * opacity)
    }

    // The window's default size, and its content's minimum.
    readonly property int windowWidth: 1040
    readonly property int windowHeight: 650
    readonly property int minimumWindowWidth: 980

    // Spacing and radii of the window's regions.
    // Around the scrolling column, and at the sides of the status bar.
    readonly property real windowMargin: 24
    // Between the regions of the column, and between its two panes.
    readonly property real regionSpacing: 20
    readonly property real paneSpacing: 18
    // A card of the column, and a pane's card, which is rounder.
    readonly property real cardPadding: 18
    readonly property real cardRadius: 16
    readonly property real paneRadius: 18
    // A row of a pane's list, and the gap between two rows.
    readonly property real rowPadding: 13
    readonly property real rowRadius: 13
    readonly property real rowSpacing: 9
    readonly property real buttonRadius: 8
    // Inside a button, and inside a field the user types into or chooses from.
    readonly property real buttonHorizontalPadding: 18
    readonly property real buttonVerticalPadding: 11
    // A button's or a field's height when its text is small.
    readonly property real controlHeight: 28
    // Between the controls of a row or a column of controls.
    readonly property real controlSpacing: 8
    // Between a control's symbol and its label.
    readonly property real symbolSpacing: 6
    // From a field's edge to a symbol drawn inside it.
    readonly property real fieldInset: 8
    // Inside a dialog, around its title, message and buttons.
    readonly property real dialogPadding: 20
    // Between the lines of a row of a pane's list.
    readonly property real rowLineSpacing: 3
    // A thin frame, and the ring that shows the keyboard focus.
    readonly property real hairline: 1
    readonly property real focusRingWidth: 2

    // Text styles, as ratios over the 13-point body of the reference layout.
    readonly property font baseFont: SystemFonts.defaultFont
    readonly property string fixedFamily: SystemFonts.fixedFamily

    function style(ratio: real, weight: int, family: string): font {
        const styled = Qt.font({
            family: family.length > 0 ? family : baseFont.family,
            weight: weight
        });
        // Set after creation: Qt.font() would round a fractional point size down.
        if (baseFont.pointSize > 0)
            styled.pointSize = baseFont.pointSize * ratio;
        else
            styled.pixelSize = Math.round(baseFont.pixelSize * ratio);
        return styled;
    }

    readonly property font title2: style(17 / 13, Font.Bold, "")
    readonly property font title3: style(15 / 13, Font.Normal, "")
    readonly property font headline: style(1, Font.Bold, "")
    readonly property font subheadline: style(11 / 13, Font.Normal, "")
    readonly property font subheadlineMedium: style(11 / 13, Font.Medium, "")
    readonly property font callout: style(12 / 13, Font.Normal, "")
    readonly property font calloutMonoSemibold: style(12 / 13, Font.DemiBold, fixedFamily)
    readonly property font caption: style(10 / 13, Font.Normal, "")
    readonly property font captionSemibold: style(10 / 13, Font.DemiBold, "")
    readonly property font captionBold: style(10 / 13, Font.Bold, "")
    readonly property font captionMono: style(10 / 13, Font.Normal, fixedFamily)
    readonly property font caption2Bold: style(10 / 13, Font.Bold, "")
    readonly property font caption2Mono: style(10 / 13, Font.Normal, fixedFamily)

    // Icons: Material Icons glyphs standing in for the symbol names of the layout.
    readonly property string iconFamily: iconFont.name
    readonly property var glyphs: ({
            "printer": "\ue8ad",
            "doc.text": "\ue873",
            "checkmark.circle.fill": "\ue86c",
            "circle": "\ue836",
            "arrow.clockwise": "\ue5d5",
            "arrow.right.circle.fill": "\ueaaa",
            "arrow.left.arrow.right": "\ue8d4",
            "clock": "\ue8b5",
            "checkmark.circle": "\ue92d",
            "magnifyingglass": "\ue8b6",
            "chevron.down": "\ue5cf"
        })

    function glyph(symbol: string): string {
        return glyphs[symbol] ?? ""
    }

    // The icon glyphs fill less of their em square than symbols drawn in a
    // text style do, so an icon in a text style is drawn a size larger.
    readonly property real iconScale: 1.3

    function iconFontLike(textStyle: font): font {
        const icon = Qt.font({
            family: iconFamily
        });
        if (textStyle.pointSize > 0)
            icon.pointSize = textStyle.pointSize * iconScale;
        else
            icon.pixelSize = Math.round(textStyle.pixelSize * iconScale);
        return icon;
    }

    function iconFontOfSize(size: real): font {
        return Qt.font({
            family: iconFamily,
            pixelSize: Math.round(size)
        })
    }
}
