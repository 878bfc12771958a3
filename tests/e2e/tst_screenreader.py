#!/usr/bin/python3
"""What a screen reader reads of the real window, and what its actions do.

Runs the program on the private display of the sandbox with its tray host,
on its own accessibility bus (start it under dbus-run-session), and reads the
window
through AT-SPI as Orca does: the names, roles and states of the controls.
Then it drives the channel controls through their accessibility actions,
restarts the program twice from its settings page to apply a new scale (the
window must come back whole, shown and on that page), and checks, in the
configuration the program writes back on exit, that what the screen reader
changed is what is kept. Last it reads the window again in French: no name of
the English window may be left in it, but for the words both languages share.

Usage: tst_screenreader.py <program> [--dump]
"""
import json
import os
import signal
import subprocess
import sys
import time

TIMEOUT = 30.0


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def wait_until(what, check, timeout=TIMEOUT, fail_now=True):
    """Polls `check` until it returns something true; fails with `what`."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = check()
        if value:
            return value
        time.sleep(0.05)
    if fail_now:
        fail("timed out waiting for " + what)
    return None


def bus_name_owned(name):
    reply = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name],
        capture_output=True, text=True)
    return reply.returncode == 0 and "boolean true" in reply.stdout


def home_file(name):
    return os.path.join(os.environ["HOME"], ".korvane", name)


# Names that read the same in English and in French.
SHARED = {"Port", "KORVane", "Pause", "Double", "Korvane", "Action", "Menu"}


def named(node, name):
    """A box is named after what it chooses, followed by its value."""
    return node.name == name or (node.getRoleName() == "combo box" and node.name.startswith(name + ": "))


def write_configuration(port, language="en"):
    os.makedirs(home_file(""), exist_ok=True)
    document = {"configuration": {
        "application": {"theme": "LIGHT", "runStartup": False, "language": language},
        "switch": {"serial_name": port, "input_left": "L", "input_right": "R",
                   "left_channel": {"enabled": False, "mode": "MOUSE", "click_type": "LEFT",
                                    "key": 65, "modifier": 0, "native": "0"},
                   "right_channel": {"enabled": True, "mode": "KEYBOARD", "click_type": "LEFT",
                                     "key": 32, "modifier": 0, "native": "0"}}}}
    with open(home_file("korvane.json"), "w", encoding="utf-8") as out:
        json.dump(document, out)


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    program = sys.argv[1]
    dump = "--dump" in sys.argv
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ or "DISPLAY" not in os.environ:
        fail("run me in the sandbox with a tray host, under dbus-run-session")
    if not os.environ["HOME"].startswith(os.environ.get("KORVANE_TEST_ROOT", "/nonexistent")):
        fail("run me in the sandbox: I write the configuration in HOME")

    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    processes = [launcher]
    try:
        wait_until("the accessibility bus", lambda: bus_name_owned("org.a11y.Bus"))
        # Imported only now: it connects to the accessibility bus on import.
        import pyatspi

        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")

        def find_app():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name.lower().startswith("korvane"):
                    return app
            return None

        def start(language):
            write_configuration("/dev/korvane-screenreader-absent", language)
            process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                                       stderr=subprocess.STDOUT, text=True)
            processes.append(process)
            found = wait_until("the program on the accessibility bus", find_app)
            # It starts in the tray; a second start brings its window forward.
            subprocess.run([program], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=TIMEOUT)
            return process, found

        app_process, app = start("en")

        def walk(node, depth=0, out=None):
            out = [] if out is None else out
            if node is None:
                return out
            out.append((depth, node))
            for i in range(node.childCount):
                walk(node.getChildAtIndex(i), depth + 1, out)
            return out

        def find(name, role=None):
            for _, node in walk(app):
                if named(node, name) and (role is None or node.getRoleName() == role):
                    return node
            return None

        def texts():
            # The program's own entry is named after the program, not translated.
            nodes = [n for depth, n in walk(app) if depth > 0]
            return set(n.name for n in nodes if n.name) | set(
                n.description for n in nodes if n.description)

        def states(node):
            return set(pyatspi.stateToString(s) for s in node.getState().getStates())

        def dump_tree():
            for depth, node in walk(app):
                text = ""
                if node.getRoleName() in ("text", "label", "status bar"):
                    try:
                        t = node.queryText()
                        text = " text=" + repr(t.getText(0, t.characterCount))
                    except NotImplementedError:
                        pass
                actions = []
                try:
                    a = node.queryAction()
                    actions = [a.getName(i) for i in range(a.nActions)]
                except NotImplementedError:
                    pass
                print("%s%s %r desc=%r states=%s actions=%s%s" % (
                    "  " * depth, node.getRoleName(), node.name, node.description,
                    sorted(states(node) & {"checked", "focusable", "showing", "editable"}),
                    actions, text), flush=True)

        if not wait_until("the channel switch", lambda: find("Left Channel"), fail_now=False):
            dump_tree()
            fail("the left channel's switch is named Left Channel")
        if dump:
            dump_tree()

        # Names that make sense alone, with their roles and states.
        tile = find("Left Channel: right click")
        if tile is None or tile.getRoleName() != "radio button":
            fail("the right click tile of the left channel is a radio button")
        if "checked" in states(tile):
            fail("the right click tile starts unchecked")
        chosen = find("Left Channel: left click")
        if chosen is None or "checked" not in states(chosen):
            fail("the chosen click tile exposes checked")
        port = find("Port", "combo box")
        if port is None or port.name != "Port: /dev/korvane-screenreader-absent":
            fail("the port box is named Port, with the port in use")
        status = [n for _, n in walk(app) if n.name.startswith("Waiting for the device")]
        if not status:
            fail("the status line's text is exposed")

        # Actions: what they change is what the channel keeps.
        switch = find("Left Channel")
        if "checked" in states(switch):
            fail("the left channel starts switched off")
        switch.queryAction().doAction(0)
        wait_until("the switch to show checked", lambda: "checked" in states(switch))
        action = tile.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Toggle") if "Toggle" in names else 0)
        wait_until("the tile to show checked", lambda: "checked" in states(tile))
        wait_until("the other tile to show unchecked", lambda: "checked" not in states(chosen))

        # The timing aids: unfolded, a value set and the latch switched on,
        # each through what a screen reader offers.
        timing = find("Left Channel: timing")
        if timing is None:
            fail("the timing section's button is named after its channel")
        timing.queryAction().doAction(0)
        hold = wait_until("the hold time box",
                          lambda: find("Left Channel: hold time, milliseconds"))
        if hold.queryValue().maximumValue != 5000:
            fail("the hold time box tells its range: at most %r" % hold.queryValue().maximumValue)
        hold.queryValue().currentValue = 250
        latch = wait_until("the latch switch",
                           lambda: find("Left Channel: latch, one press holds, the next lets go"))
        latch.queryAction().doAction(0)
        wait_until("the latch to show checked", lambda: "checked" in states(latch))

        # The second action: unfolded, a double press that pauses Korvane; and
        # the switch test's lights, named with their state.
        second = find("Left Channel: second action")
        if second is None:
            fail("the second action's button is named after its channel")
        second.queryAction().doAction(0)
        for name in ("Left Channel: second action, double press",
                     "Left Channel: second action, pause or resume Korvane"):
            choice = wait_until(name, lambda: find(name))
            choice.queryAction().doAction(0)
            wait_until(name + " to show checked", lambda: "checked" in states(choice))
        for name in ("Left button: not pressed", "Right button: not pressed"):
            if find(name) is None:
                fail("the switch test's light is heard as %r" % name)

        english = texts()

        # Restart to apply a new scale, twice, from the settings page: each
        # time one application of this process on the bus with the window's
        # tree, the window shown again on the settings page.
        def korvane_apps():
            desktop = pyatspi.Registry.getDesktop(0)
            found = []
            for i in range(desktop.childCount):
                node = desktop.getChildAtIndex(i)
                if node is not None and node.name.lower().startswith("korvane"):
                    found.append(node)
            return found

        def showing(node):
            return node if node is not None and "showing" in states(node) else None

        def press(node, name):
            action = node.queryAction()
            action.doAction([action.getName(i) for i in range(action.nActions)].index(name))

        # What has no action of its own takes the keyboard, as Orca's user
        # would do it.
        def focus_and_key(node, name):
            press(node, "SetFocus")
            wait_until("the focus on " + node.name, lambda: "focused" in states(node))
            subprocess.run(["xdotool", "key", name], check=True, timeout=TIMEOUT)

        def after_restart():
            try:
                apps = korvane_apps()
                if len(apps) != 1 or showing(find_in(apps[0], "Restart to apply")):
                    return None
                return apps[0] if showing(find_in(apps[0], "Scaling", "combo box")) else None
            except Exception:  # the old image's objects vanish meanwhile
                return None

        def find_in(root, name, role=None):
            for _, node in walk(root):
                if named(node, name) and (role is None or node.getRoleName() == role):
                    return node
            return None

        press(find("Menu", "push button"), "Press")
        focus_and_key(wait_until("the Settings entry",
                                 lambda: showing(find("Settings", "list item"))), "Return")
        for restart, direction in enumerate(("Down", "Up")):
            # Each start reports the missing device in a view that takes the
            # keyboard: closed first, as its user would.
            press(wait_until("the missing device's view",
                             lambda: showing(find("Close", "push button"))), "Press")
            wait_until("the view to close", lambda: not showing(find("Close", "push button")))
            # The list opens on the chosen scale; the next one is chosen in it.
            focus_and_key(wait_until("the scaling box",
                                     lambda: showing(find("Scaling", "combo box"))), "Down")
            wait_until("the scale list", lambda: [n for _, n in walk(app) if n.getRoleName() == "list item"
                                                  and "focused" in states(n)])
            subprocess.run(["xdotool", "key", direction, "Return"], check=True, timeout=TIMEOUT)
            press(wait_until("the restart button",
                             lambda: showing(find("Restart to apply", "push button"))), "Press")
            app = wait_until("the window after restart %d" % (restart + 1), after_restart,
                             fail_now=False)
            if app is None:
                fail("after restart %d: one korvane application with the settings page, "
                     "found %r" % (restart + 1,
                                   [(a.name, a.childCount) for a in korvane_apps()]))
            if app.get_process_id() != app_process.pid or app_process.poll() is not None:
                fail("the restart starts the program again in the same process")
            frames = [n for _, n in walk(app) if n.getRoleName() == "frame"]
            if len(frames) != 1 or "showing" not in states(frames[0]):
                fail("the window is shown after restart %d" % (restart + 1))
        # The tree is whole: the page below is there on the way back.
        subprocess.run(["xdotool", "key", "alt+Left"], check=True, timeout=TIMEOUT)
        wait_until("the welcome page after going back",
                   lambda: showing(find("Left Channel", "check box")))

        app_process.send_signal(signal.SIGTERM)
        app_process.wait(TIMEOUT)
        with open(home_file("korvane.json"), encoding="utf-8") as saved:
            left = json.load(saved)["configuration"]["switch"]["left_channel"]
        if left.get("enabled") is not True:
            fail("the switched-on channel is saved enabled: %r" % left)
        if left.get("click_type") != "RIGHT" or left.get("mode") != "MOUSE":
            fail("the chosen tile is saved: %r" % left)
        if left.get("hold_ms") != 250 or left.get("latch") is not True:
            fail("the timing set by the screen reader is saved: %r" % left)
        if left.get("second_trigger") != "DOUBLE_PRESS" or left.get("second_mode") != "PAUSE":
            fail("the second action set by the screen reader is saved: %r" % left)

        app_process, app = start("fr")
        wait_until("the French window", lambda: find("Canal gauche"))
        find("Canal gauche : temporisation").queryAction().doAction(0)
        wait_until("the French timing section", lambda: find(
            "Canal gauche : durée de maintien, en millisecondes"))
        if dump:
            dump_tree()
        left_over = sorted(t for t in texts() & english if t not in SHARED)
        if left_over:
            fail("English left in the French window: %r" % left_over)
        app_process.send_signal(signal.SIGTERM)
        app_process.wait(TIMEOUT)
        print("PASS", flush=True)
        return 0
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()


if __name__ == "__main__":
    sys.exit(main())
