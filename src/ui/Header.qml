// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Parvento.Model

// The program's name and purpose, and whether a reload is running.
RowLayout {
    id: header

    required property ReloadControl reload
    required property string schedulerText

    spacing: 16

    Rectangle {
        implicitWidth: 58
        implicitHeight: 58
        radius: 16
        gradient: Gradient {
            GradientStop {
                position: 0
                color: Theme.emblemTop
            }
            GradientStop {
                position: 1
                color: Theme.emblemBottom
            }
        }

        Symbol {
            anchors.centerIn: parent
            name: "printer"
            fixedSize: 28
            color: Theme.white
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 4

        StyledText {
            Layout.fillWidth: true
            text: WindowTexts.programName
            font: Theme.title2
        }

        StyledText {
            Layout.fillWidth: true
            text: WindowTexts.headerSubtitle
            font: Theme.subheadline
            color: Theme.secondaryText
        }

        // Only when the scheduler is another machine's: nobody should move
        // jobs on the wrong server.
        StyledText {
            objectName: "schedulerText"
            Layout.fillWidth: true
            visible: text.length > 0
            text: header.schedulerText
            font: Theme.subheadlineMedium
            color: Theme.accent
        }
    }

    // Present only while a reload runs, not merely hidden.
    Loader {
        active: header.reload.isLoading
        visible: active
        sourceComponent: RowLayout {
            spacing: 16

            BusyIndicator {
                implicitWidth: 18
                implicitHeight: 18
                padding: 0
                running: true
            }

            StyledText {
                text: WindowTexts.loading
                font: Theme.subheadline
                color: Theme.secondaryText
            }
        }
    }
}
