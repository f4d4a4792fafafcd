// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Parvento.UI

// A row of a pane's list: one rounded plain button with a tinted tile, the
// lines the row type puts in (`texts`) and a mark. The tint fills the row
// while it is selected. An item delegate, as Qt 6.4's controls tell
// assistive technology the role of their type and ignore Accessible.role.
T.ItemDelegate {
    id: row

    required property int index
    required property bool isSelected
    required property color tint
    required property string symbol
    required property real tileSize
    required property real tileRadius
    required property real tileOpacity
    // How tile, texts and mark sit in the row when they differ in height.
    property int alignment: Qt.AlignVCenter
    property alias textSpacing: texts.spacing
    default property alias texts: texts.data
    // The list the row belongs to, which moves keyboard focus between its
    // rows and past the list, and keeps the focused row in view.
    property LazyList list

    width: ListView.view.width
    padding: Theme.rowPadding
    // The same height the layout arrives at, but known as soon as the row is
    // created: the list places rows by their height before layouts have run,
    // and a row that grew afterwards would shift the rows around it. A layout
    // works out its implicit height when asked, from the lines it holds.
    implicitHeight: topPadding + bottomPadding + Math.max(tile.implicitHeight, texts.implicitHeight)
    // Tab reaches the row through its list, which knows the rows' order.
    focusPolicy: Qt.ClickFocus
    opacity: enabled ? 1 : 0.5

    // Assistive technology reads a row as checked while it is selected. The
    // control hands assistive technology its own (unchecked, uncheckable:
    // a click goes to the model) state as it completes, over what is bound
    // here; so the row's follows after that.
    Component.onCompleted: {
        Accessible.checkable = true;
        Accessible.checked = Qt.binding(() => isSelected);
    }

    Keys.onTabPressed: list.leave(true)
    Keys.onBacktabPressed: list.leave(false)
    Keys.onUpPressed: event => list.moveFocus(index, -1, (event.modifiers & Qt.ShiftModifier) !== 0)
    Keys.onDownPressed: event => list.moveFocus(index, 1, (event.modifiers & Qt.ShiftModifier) !== 0)
    Keys.onPressed: event => {
        const steps = {
            [Qt.Key_PageUp]: -list.rowsPerPage(row),
            [Qt.Key_PageDown]: list.rowsPerPage(row),
            [Qt.Key_Home]: -index,
            [Qt.Key_End]: list.count - 1 - index
        }[event.key];
        if (steps !== undefined) {
            list.moveFocus(index, steps, false);
            event.accepted = true;
        }
    }
    onActiveFocusChanged: {
        if (activeFocus)
            list.rowFocused(this);
    }

    EnterKeyClicks {
        button: row
    }

    AssistivePress {
        item: row
    }

    background: Rectangle {
        radius: Theme.rowRadius
        color: row.isSelected ? row.tint : Theme.tint(Theme.text, 0.035)
        border.width: row.visualFocus ? 2 : 0
        border.color: row.isSelected ? Theme.text : Theme.accent
    }

    contentItem: RowLayout {
        spacing: 12

        SymbolTile {
            id: tile

            Layout.alignment: row.alignment
            size: row.tileSize
            radius: row.tileRadius
            color: row.isSelected ? row.tint : Theme.tint(row.tint, row.tileOpacity)
            symbol: row.symbol
            textStyle: Theme.title3
            symbolColor: row.isSelected ? Theme.white : row.tint
        }

        ColumnLayout {
            id: texts

            Layout.alignment: row.alignment
            Layout.fillWidth: true
        }

        Symbol {
            Layout.alignment: row.alignment
            // The flexible space of at least 4 between text and mark, with
            // the row's spacing on both of its sides.
            Layout.leftMargin: 4 + 12
            name: row.isSelected ? "checkmark.circle.fill" : "circle"
            textStyle: Theme.title3
            color: row.isSelected ? Theme.white : Theme.faded(Theme.secondaryText, 0.55)
        }
    }
}
