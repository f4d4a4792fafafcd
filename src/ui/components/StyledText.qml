import QtQuick
import Parvento.UI

// A text of the window: shown verbatim (never as rich text), one of the
// Theme's text styles, the primary text colour unless told otherwise.
Text {
    textFormat: Text.PlainText
    font: Theme.callout
    color: Theme.text
    elide: Text.ElideRight
}
