import QtQml 2.15

// What a page asks of the application bar while it is the current page.
QtObject {
    id: root

    // How many of the page's actions the bar shows as buttons before the rest
    // go into the overflow menu; a negative value keeps the window's own.
    property int maxActionCount: -1
}
