// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T

// What every row of a LazyList does besides showing itself. The keys, which
// the row forwards here: Tab and Backtab leave the list; the arrows, Page
// Up/Down, Home and End move the focus through it (Shift+arrow extends the
// selection); Return and Enter click. The list learns which row has the
// focus, to return to it and keep it in view. And the row's checked state
// keeps following the model after a click.
Item {
    required property T.AbstractButton row
    required property LazyList list

    Keys.onTabPressed: list.leave(true)
    Keys.onBacktabPressed: list.leave(false)
    Keys.onUpPressed: event => list.moveFocus(row.index, -1, (event.modifiers & Qt.ShiftModifier) !== 0)
    Keys.onDownPressed: event => list.moveFocus(row.index, 1, (event.modifiers & Qt.ShiftModifier) !== 0)
    Keys.onPressed: event => {
        const steps = {
            [Qt.Key_PageUp]: -list.rowsPerPage(row),
            [Qt.Key_PageDown]: list.rowsPerPage(row),
            [Qt.Key_Home]: -row.index,
            [Qt.Key_End]: list.count - 1 - row.index
        }[event.key];
        if (steps !== undefined) {
            list.moveFocus(row.index, steps, false);
            event.accepted = true;
        }
    }

    // The control hands assistive technology its checked state only while
    // the platform reports a screen reader; bound here as well, the state is
    // there for whoever asks, from the row's first frame.
    Component.onCompleted: {
        row.Accessible.checkable = true;
        row.Accessible.checked = Qt.binding(() => row.isSelected);
    }

    EnterKeyClicks {
        button: row
    }

    AssistivePress {
        item: row
    }

    Connections {
        target: row

        function onActiveFocusChanged() {
            if (row.activeFocus)
                list.rowFocused(row);
        }

        // A click only asks the model, which decides: the mark goes back to
        // following the selection.
        function onToggled() {
            row.checked = Qt.binding(() => row.isSelected);
        }
    }
}
