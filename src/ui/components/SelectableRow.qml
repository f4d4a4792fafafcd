// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Parvento.UI

// A row of a list whose rows the user selects one by one, any number of
// them: a checkable list item for assistive technology (Qt 6.4's controls
// tell it the role of their type), checked while selected. ChoiceRow is
// its twin for a list of which one row is chosen.
T.ItemDelegate {
    id: row

    required property int index
    required property bool isSelected
    // The list the row belongs to, which moves keyboard focus between its
    // rows and past the list, and keeps the focused row in view.
    property LazyList list
    // Tint, tile and the alignment of the lines the row type puts in.
    property alias face: face
    default property alias texts: face.texts

    width: ListView.view.width
    padding: Theme.rowPadding
    // The same height the layout arrives at, but known as soon as the row is
    // created: the list places rows by their height before layouts have run,
    // and a row that grew afterwards would shift the rows around it. A layout
    // works out its implicit height when asked, from the lines it holds.
    implicitHeight: topPadding + bottomPadding + face.implicitHeight
    // Tab reaches the row through its list, which knows the rows' order.
    focusPolicy: Qt.ClickFocus
    opacity: enabled ? 1 : Theme.disabledOpacity

    // The control's own checked state is what assistive technology reads,
    // also when it starts after the row was made.
    checkable: true
    checked: isSelected
    Keys.forwardTo: [behaviour]

    RowBehaviour {
        id: behaviour

        row: row
        list: row.list
    }

    background: RowBackground {
        row: row
        isSelected: row.isSelected
        tint: face.tint
    }

    contentItem: RowFace {
        id: face

        isSelected: row.isSelected
    }
}
