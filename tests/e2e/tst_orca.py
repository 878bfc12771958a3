#!/usr/bin/python3
"""What Orca speaks of the real window, driven from the keyboard alone.

Runs the program and Debian's screen reader on the private display of the
sandbox (with a window manager), on their own accessibility bus (start it
under dbus-run-session), and reads every utterance from Orca's debug log: the
port box speaks the port in use, Pause speaks the new state, and the
language list speaks each language as it is reached, in its own language;
the one chosen is spoken in that language from then on.

Usage: tst_orca.py <program>
"""
import builtins
import os
import re
import runpy
import subprocess
import sys
import time

if __name__ == "__main__" and len(sys.argv) > 2 and sys.argv[1] == "--orca":
    # Orca buffers its log: lines would reach it late. Run it with the log
    # file opened line by line.
    log_path = sys.argv[sys.argv.index("--debug-file") + 1]
    plain_open = builtins.open

    def line_buffered_open(file, mode="r", *args, **kwargs):
        if str(file) == log_path and mode[0] in "wa":
            kwargs["buffering"] = 1
            return plain_open(file, mode, **kwargs)
        return plain_open(file, mode, *args, **kwargs)

    builtins.open = line_buffered_open
    sys.argv = ["/usr/bin/orca"] + sys.argv[2:]
    runpy.run_path("/usr/bin/orca", run_name="__main__")
    sys.exit(0)

from tst_screenreader import TIMEOUT, bus_name_owned, fail, wait_until, write_configuration

PORT = "/dev/korvane-screenreader-absent"


class Orca:
    """Orca on the sandbox's display; what it said since the last key."""

    def __init__(self, folder):
        self.log = os.path.join(folder, "orca-debug.log")
        prefs = os.path.join(folder, "orca")
        os.makedirs(prefs, exist_ok=True)
        self.process = subprocess.Popen(
            ["/usr/bin/python3", os.path.abspath(__file__), "--orca", "-u", prefs,
             "--debug-file", self.log],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.read = 0
        wait_until("Orca to start speaking", lambda: "Screen reader on." in self.said())

    def said(self):
        """Every utterance since the last call."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                log.seek(self.read)
                text = log.read()
        except FileNotFoundError:
            return ""
        complete = text[:text.rfind("\n") + 1]
        self.read += len(complete.encode("utf-8"))
        return " | ".join(" ".join(words.split())
                          for words in re.findall(r"SPEECH OUTPUT: '(.*)'\s*\{", complete))

    def press(self, name, heard_enough, timeout):
        """Presses `name`; what Orca said until `heard_enough` of it, or the timeout."""
        self.said()
        subprocess.run(["xdotool", "key", name], check=True, timeout=TIMEOUT)
        heard = []

        def enough():
            heard.append(self.said())
            return heard_enough(" ".join(heard))

        wait_until("Orca after " + name, enough, timeout, fail_now=False)
        return " ".join(" ".join(heard).split())

    def key(self, name, expected):
        """Presses `name` and waits until Orca says `expected`; what it said."""
        heard = self.press(name, lambda text: expected in text, TIMEOUT)
        if expected not in heard:
            fail("after %s Orca said %r, not %r" % (name, heard, expected))
        print("%s: %s" % (name, heard), flush=True)
        return heard

    def tab_to(self, expected, key="Tab", limit=60):
        """Moves the focus until Orca says `expected`; what it said then."""
        for _ in range(limit):
            # Orca echoes the key first, then reads the control reached.
            heard = self.press(key, lambda text: re.sub(r"\b(shift|tab)\b", "", text).strip(" |"), 2.0)
            if expected in heard:
                print("%s: %s" % (key, heard), flush=True)
                return heard
        fail("%s never reached %r" % (key, expected))
        return None


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    program = sys.argv[1]
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ or "DISPLAY" not in os.environ:
        fail("run me in the sandbox with a window manager, under dbus-run-session")
    root = os.environ.get("KORVANE_TEST_ROOT")
    if not root or not os.environ["HOME"].startswith(root):
        fail("run me in the sandbox: I write the configuration in HOME")

    processes = [subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    try:
        wait_until("the accessibility bus", lambda: bus_name_owned("org.a11y.Bus"))
        write_configuration(PORT)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        processes.append(subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL))
        window = wait_until("the window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^KORVane$"],
            capture_output=True, text=True).stdout.split())
        orca = Orca(root)
        processes.append(orca.process)
        # The user comes to the window, where the missing device is reported.
        subprocess.run(["xdotool", "windowactivate", window[0]], timeout=TIMEOUT)
        wait_until("Orca to read the missing device", lambda: PORT in orca.said())
        orca.key("Escape", "")

        heard = orca.tab_to("Port")
        if PORT not in heard:
            fail("the port box speaks the port in use: %r" % heard)

        orca.tab_to("Pause")
        orca.key("Return", "Paused")

        orca.tab_to("Menu")
        orca.key("Return", "Settings")
        orca.key("Return", "Back")
        heard = orca.tab_to("Language")
        if "English" not in heard:
            fail("the language box speaks the language chosen: %r" % heard)
        orca.key("Down", "English")
        orca.key("Down", "Français")
        orca.key("Escape", "Language: English")
        # Chosen, the window speaks French at once.
        orca.key("Down", "English")
        orca.key("Down", "Français")
        orca.key("Return", "Langue : Français")
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(TIMEOUT)
                except subprocess.TimeoutExpired:
                    process.kill()
    print("PASS: Orca speaks the port, the new state and each language", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
