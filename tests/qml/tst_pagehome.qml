import QtQuick 2.15
import QtTest 1.15

// The home page loads with every module it imports and stays empty.
Item {
    id: window

    width: 600
    height: 400

    TestCase {
        name: "PageHome"
        when: windowShown

        function test_loads_empty() {
            var component = Qt.createComponent("qrc:/PageHome.qml")
            verify(component.status === Component.Ready, component.errorString())
            var page = createTemporaryObject(component, window)
            verify(page !== null)
            compare(page.objectName, "home")
            compare(page.title, "Home")
            compare(page.appBar.maxActionCount, 10)
            compare(page.actions.length, 0)
            compare(page.navActions.length, 0)
            compare(page.index, 0)
        }
    }
}
