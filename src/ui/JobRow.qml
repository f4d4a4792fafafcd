import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One waiting job. The whole rounded row is one plain button that toggles the
// job's selection; orange marks it selected.
AbstractButton {
    id: row

    required property int index
    required property string identifier
    required property string displayTitle
    required property string sourcePrinterName
    required property string owner
    required property bool hasOwner
    required property string accessibleDescription
    required property bool isSelected

    padding: 13
    // The same height the layout arrives at, but known as soon as the row is
    // created: the list places rows by their height before layouts have run,
    // and a row that grew afterwards would shift the rows around it.
    implicitHeight: topPadding + bottomPadding
                    + Math.max(tile.implicitHeight,
                               titleLine.implicitHeight + identifierLine.implicitHeight
                               + Math.max(printerIcon.implicitHeight, printerLine.implicitHeight)
                               + 2 * texts.spacing
                               + (hasOwner ? texts.spacing + ownerLine.implicitHeight : 0))
    // Tab reaches the row through its list, which knows the rows' order.
    focusPolicy: Qt.ClickFocus
    opacity: enabled ? 1 : 0.5

    Accessible.role: Accessible.Button
    Accessible.name: accessibleDescription
    Accessible.description: isSelected ? "Hebt die Auswahl dieses Auftrags auf" : "Fügt diesen Auftrag zur Auswahl hinzu"

    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()

    background: Rectangle {
        radius: 13
        color: row.isSelected ? Theme.orange : Theme.tint(Theme.text, 0.035)
        border.width: row.visualFocus ? 2 : 0
        border.color: row.isSelected ? Theme.text : Theme.accent
    }

    contentItem: RowLayout {
        spacing: 12

        Rectangle {
            id: tile

            Layout.alignment: Qt.AlignTop
            implicitWidth: 38
            implicitHeight: 38
            radius: 10
            color: row.isSelected ? Theme.orange : Theme.tint(Theme.orange, 0.13)

            Symbol {
                anchors.centerIn: parent
                name: "doc.text"
                textStyle: Theme.title3
                color: row.isSelected ? Theme.white : Theme.orange
            }
        }

        ColumnLayout {
            id: texts

            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            spacing: 5

            StyledText {
                id: titleLine

                Layout.fillWidth: true
                text: row.displayTitle
                font: Theme.headline
                maximumLineCount: 1
            }

            StyledText {
                id: identifierLine

                Layout.fillWidth: true
                text: row.identifier
                font: Theme.captionMono
                color: row.isSelected ? Theme.tint(Theme.white, 0.82) : Theme.secondaryText
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 4

                Symbol {
                    id: printerIcon

                    name: "printer"
                    textStyle: Theme.subheadlineMedium
                }

                StyledText {
                    id: printerLine

                    Layout.fillWidth: true
                    text: row.sourcePrinterName
                    font: Theme.subheadlineMedium
                    maximumLineCount: 1
                }
            }

            StyledText {
                id: ownerLine

                Layout.fillWidth: true
                visible: row.hasOwner
                text: "Von " + row.owner
                font: Theme.caption
                color: row.isSelected ? Theme.tint(Theme.white, 0.82) : Theme.secondaryText
            }
        }

        Symbol {
            Layout.alignment: Qt.AlignTop
            // The flexible space of at least 4 between text and mark, with
            // the row's spacing on both of its sides.
            Layout.leftMargin: 4 + 12
            name: row.isSelected ? "checkmark.circle.fill" : "circle"
            textStyle: Theme.title3
            color: row.isSelected ? Theme.white : Theme.faded(Theme.secondaryText, 0.55)
        }
    }
}
