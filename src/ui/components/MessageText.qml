// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound

import QtQuick
import Parvento.UI

// A message shown verbatim, line by line. A line that starts with "• " opens
// a bullet; its wrapped part and the lines that follow it up to the next
// blank line or bullet hang indented under the bullet's text, so that a long
// tool error stays with its job. Screen readers read the whole message as one
// text.
Column {
    id: body

    required property var lines
    // For each line, the line that opens its bullet, or -1.
    readonly property var bulletOf: {
        const result = [];
        let open = -1;
        for (const line of lines) {
            if (line.startsWith("• "))
                open = result.length;
            else if (line.length === 0)
                open = -1;
            result.push(open);
        }
        return result;
    }
    readonly property real indent: bulletMetrics.advanceWidth

    Accessible.role: Accessible.StaticText
    Accessible.name: lines.join("\n")

    TextMetrics {
        id: bulletMetrics

        font: Theme.callout
        text: "• "
    }

    Repeater {
        model: body.lines.length

        Item {
            id: line

            required property int index
            readonly property bool opensBullet: body.bulletOf[index] === index
            readonly property bool inBullet: body.bulletOf[index] >= 0
            readonly property string text: opensBullet ? body.lines[index].slice(2) : body.lines[index]

            width: body.width
            // A blank line keeps the height of a line of text.
            implicitHeight: lineText.implicitHeight

            StyledText {
                visible: line.opensBullet
                text: "•"
                font: Theme.callout
                Accessible.ignored: true
            }

            StyledText {
                id: lineText

                x: line.inBullet ? body.indent : 0
                width: parent.width - x
                visible: line.text.length > 0
                text: line.text
                font: Theme.callout
                wrapMode: Text.Wrap
                elide: Text.ElideNone
                Accessible.ignored: true
            }
        }
    }
}
