// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Parvento.UI

// One step of the workflow as a card: the numbered heading with its count,
// the step's own controls for its list, a divider, and the step's list, or a
// note in its place while the list is empty and no reload runs.
PaneCard {
    id: pane

    required property string step
    required property string title
    required property string subtitle
    required property int count
    // The count as assistive technology reads it, naming what is counted.
    required property string spokenCount
    // A line below the heading in the step's colour; hidden while empty.
    property string note
    required property string emptySymbol
    required property string emptyTitle
    required property string emptySubtitle
    required property bool loading
    required property Flickable flickable
    property alias model: list.model
    property alias delegate: list.delegate
    // What assistive technology calls a row that does not exist on screen,
    // and whether the rows are choices of one (radio buttons).
    property alias rowNameRole: list.rowNameRole
    property alias rowsAreChoices: list.rowsAreChoices
    readonly property alias list: list
    // Controls between the heading and the list, one row each.
    property alias tools: tools.data
    // How far the pane is drawn below its place in the column, to stay in
    // view while the column scrolls past it.
    property real shift: 0
    // How much of the column's visible part is covered at its bottom.
    property alias obscuredBottom: list.obscuredBottom

    transform: Translate {
        id: shiftTransform

        y: pane.shift
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        StepBadge {
            number: pane.step
            tint: pane.tint
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 1

            StyledText {
                Layout.fillWidth: true
                text: pane.title
                font: Theme.headline
            }

            StyledText {
                Layout.fillWidth: true
                text: pane.subtitle
                font: Theme.caption
                color: Theme.secondaryText
            }
        }

        CountBadge {
            count: pane.count
            spokenCount: pane.spokenCount
        }
    }

    ColumnLayout {
        id: tools

        Layout.fillWidth: true
        visible: children.length > 0
        spacing: Theme.controlSpacing
    }

    StyledText {
        Layout.fillWidth: true
        visible: pane.note.length > 0
        text: pane.note
        font: Theme.captionSemibold
        color: pane.tint
    }

    Divider {
        Layout.fillWidth: true
    }

    EmptyPane {
        Layout.fillWidth: true
        visible: pane.count === 0 && !pane.loading
        symbol: pane.emptySymbol
        title: pane.emptyTitle
        subtitle: pane.emptySubtitle
    }

    LazyList {
        id: list

        Layout.fillWidth: true
        visible: pane.count > 0
        flickable: pane.flickable
        carrierShift: shiftTransform.y
        spacing: Theme.rowSpacing
        Accessible.role: Accessible.List
        Accessible.name: pane.title
    }
}
