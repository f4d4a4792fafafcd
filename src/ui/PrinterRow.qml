import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One queue that may receive the selected jobs. The whole rounded row is one
// plain button that chooses the queue as destination; cyan marks the choice.
AbstractButton {
    id: row

    required property int index
    required property string name
    required property bool isSelected

    padding: 13
    // The same height the layout arrives at, but known as soon as the row is
    // created: the list places rows by their height before layouts have run,
    // and a row that grew afterwards would shift the rows around it.
    implicitHeight: topPadding + bottomPadding
                    + Math.max(tile.implicitHeight, nameLine.implicitHeight + texts.spacing + stateLine.implicitHeight)
    // Tab reaches the row through its list, which knows the rows' order.
    focusPolicy: Qt.ClickFocus
    opacity: enabled ? 1 : 0.5

    Accessible.role: Accessible.Button
    Accessible.name: "Drucker " + name
    Accessible.description: isSelected ? "Als Ziel ausgewählt" : "Wählt diesen Drucker als Ziel"

    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()

    background: Rectangle {
        radius: 13
        color: row.isSelected ? Theme.cyan : Theme.tint(Theme.text, 0.035)
        border.width: row.visualFocus ? 2 : 0
        border.color: row.isSelected ? Theme.text : Theme.accent
    }

    contentItem: RowLayout {
        spacing: 12

        Rectangle {
            id: tile

            implicitWidth: 43
            implicitHeight: 43
            radius: 11
            color: row.isSelected ? Theme.cyan : Theme.tint(Theme.cyan, 0.14)

            Symbol {
                anchors.centerIn: parent
                name: "printer"
                textStyle: Theme.title3
                color: row.isSelected ? Theme.white : Theme.cyan
            }
        }

        ColumnLayout {
            id: texts

            Layout.fillWidth: true
            spacing: 3

            StyledText {
                id: nameLine

                Layout.fillWidth: true
                text: row.name
                font: Theme.headline
                maximumLineCount: 1
            }

            StyledText {
                id: stateLine

                Layout.fillWidth: true
                text: row.isSelected ? "Als Ziel ausgewählt" : "Als Ziel auswählen"
                font: Theme.subheadline
                color: row.isSelected ? Theme.tint(Theme.white, 0.84) : Theme.secondaryText
            }
        }

        Symbol {
            // The flexible space of at least 4 between text and mark, with
            // the row's spacing on both of its sides.
            Layout.leftMargin: 4 + 12
            name: row.isSelected ? "checkmark.circle.fill" : "circle"
            textStyle: Theme.title3
            color: row.isSelected ? Theme.white : Theme.faded(Theme.secondaryText, 0.55)
        }
    }
}
