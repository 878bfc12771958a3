pragma Singleton
import QtQuick 2.15

// Every colour the scene chooses itself, for the light and the dark theme.
// They are kept together so that each pair a user has to tell apart can be
// checked against its contrast minimum: 4.5:1 for text, 3:1 for large text,
// pictures, control outlines and the keyboard focus mark.
QtObject {
    id: root

    readonly property var light: ({
        // The application bar and what is written on it.
        "primary": "#3b68c4",
        "onPrimary": "#ffffff",
        // Checked marks, the text cursor, a focused field's underline.
        "accent": "#1565c0",
        // An armed button (learning), with white text.
        "armed": "#1565c0",
        "focus": "#1565c0",
        // Outline of a control that has no other edge (tiles, fields, knobs).
        "boundary": "#858585",
        // Surfaces: cards, and the page around them.
        "card": "#ffffff",
        "page": "#fafafa",
        "secondaryText": "#616161",
        // The link's state, as text and picture on a card.
        "running": "#2e7d32",
        "paused": "#616161",
        "waiting": "#a85400",
        "setUp": "#a85400",
        "learning": "#1565c0",
        "warning": "#a85400",
        // The short notice at the bottom (Undo): a dark bar on a light page.
        "snackbar": "#323232",
        "onSnackbar": "#ffffff",
        "snackbarAction": "#90caf9"
    })

    readonly property var dark: ({
        "primary": "#3b68c4",
        "onPrimary": "#ffffff",
        "accent": "#90caf9",
        "armed": "#1565c0",
        "focus": "#90caf9",
        "boundary": "#b8b8b8",
        "card": "#56595d",
        "page": "#303030",
        "secondaryText": "#dddddd",
        "running": "#90ee90",
        "paused": "#e0e0e0",
        "waiting": "#ffcc80",
        "setUp": "#ffcc80",
        "learning": "#bbdefb",
        "warning": "#ffcc80",
        "snackbar": "#e0e0e0",
        "onSnackbar": "#212121",
        "snackbarAction": "#0d47a1"
    })

    function scheme(isDark) {
        return isDark ? root.dark : root.light
    }
}
