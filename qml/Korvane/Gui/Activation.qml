import QtQuick 2.15

// What Space does to the button it sits in, done for Enter and Return too:
// many switch interfaces and keyboards send Enter. A choice already made
// stays made; any other checkable button flips and reports `toggled`; the
// rest report `clicked`, or trigger their action. Put it inside the button.
// The button's accessibility actions can call `activate()` as well.
Item {
    id: root

    // The button that is activated: the one this sits in.
    readonly property Item control: parent

    function activate() {
        var button = root.control;
        if (!button || !button.enabled)
            return;
        if (button.checkable) {
            // Space cannot take a choice back either.
            if (button.checked && (button.autoExclusive || button.exclusive === true))
                return;
            button.toggle();
            button.toggled();
        } else if (button.action) {
            // The button reports `clicked` once its action has run.
            button.action.trigger(button);
        } else {
            button.clicked();
        }
    }

    // Connected to the button's own key handlers: the keys count as taken
    // there, before the button or anything around it sees them.
    Component.onCompleted: {
        root.control.Keys.returnPressed.connect(root.activate);
        root.control.Keys.enterPressed.connect(root.activate);
    }
}
