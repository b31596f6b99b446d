#!/usr/bin/python3
"""What a screen reader receives: the real program on a private AT-SPI bus,
read with pyatspi as Orca reads it. Run by CTest inside dbus-run-session on
the test X server; the one argument is the built program."""
import contextlib
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

FAILURES = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        FAILURES.append(what)
    return condition


def wait_for(find, seconds=20):
    for _ in range(seconds * 5):
        if found := find():
            return found
        time.sleep(0.2)


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def showing(node):
    for child in node:
        if child is not None and "showing" in states(child):
            yield child
            yield from showing(child)


# By their constants: at-spi2-core renames roles at times (Debian 13's
# "button" is Debian 12's "push button"), and Qt 6.8 tells a button that
# opens a menu as a menu button, where Qt 6.4 says push button.
ROLES = {pyatspi.ROLE_PUSH_BUTTON: "push button", pyatspi.ROLE_PUSH_BUTTON_MENU: "push button",
         pyatspi.ROLE_CHECK_BOX: "check box", pyatspi.ROLE_TOGGLE_BUTTON: "toggle button",
         pyatspi.ROLE_SLIDER: "slider", pyatspi.ROLE_COMBO_BOX: "combo box",
         pyatspi.ROLE_PROGRESS_BAR: "progress bar", pyatspi.ROLE_LABEL: "label",
         pyatspi.ROLE_FRAME: "frame"}


def role(node):
    return ROLES.get(node.getRole(), node.getRoleName())


def main(program, started):
    # Each in a session of its own, so that the bus daemons and the registry
    # they start go with it and leave no one holding our output.
    started.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    start_new_session=True))
    # The program looks for the accessibility bus once, as it starts.
    check(wait_for(lambda: subprocess.run(
        ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0), "the bus is up")
    home = tempfile.mkdtemp()
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    # Under the sanitizers the program was seen to abort as it starts with the
    # bridge on, once in some dozens of runs: its output shows, and it starts again.
    for _ in range(2):
        started.append(subprocess.Popen([program], env=environment, start_new_session=True,
                                        stdout=subprocess.DEVNULL))
        app = wait_for(lambda: started[-1].poll() is not None or next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Tessellon"),
            None), 60)
        if app is not True:
            break
        print(f"NOTE  the program ended as it started ({started[-1].returncode})")
    if not check(app not in (None, True), "the program is on the accessibility bus as 'Tessellon'"):
        return
    frame = wait_for(lambda: next((n for n in app if n is not None), None))
    check(role(frame) == "frame" and frame.name == "Tessellon",
          f"the window is a frame named 'Tessellon' ({frame.name!r})")

    def shown():  # anew, as an event would tell a reader that listens
        frame.clearCache()
        return list(showing(frame))

    def content():  # the window is on the bus before its content shows
        found = shown()
        return found if any(n.name == "%" for n in found) else None
    nodes = wait_for(content, 40) or []
    controls = [n for n in nodes if "focusable" in states(n) and role(n) in
                ("push button", "check box", "toggle button", "slider", "combo box")]
    unnamed = [role(n) for n in controls if not n.name]
    check(len(controls) > 30 and not unnamed, f"{len(controls)} controls, unnamed: {unnamed}")
    by_name = {(role(n), n.name): n for n in nodes}
    wanted = [("push button", "Copy"), ("slider", "Length"), ("progress bar", "Strength"),
              ("combo box", "Basic"), ("push button", "History"), ("push button", "Options"),
              ("push button", "Regenerate"), ("push button", "Symbols")]
    missing = [w for w in wanted + [("check box", t) for t in ("A–Z", "a–z", "0–9", "%", "!")]
               if w not in by_name]
    found = {w: [n.getRoleName() for n in nodes if n.name == w[1]] for w in missing}
    if not check(not missing, f"each control has its role and name (missing, roles found: {found})"):
        return
    check(any(role(n) == "label" and re.fullmatch(r"[!-~]{16}", n.name) for n in nodes),
          "the password is read as a label of 16 characters")

    # All characters off, with the screen reader's actions: the message
    # takes the password's place and is read out.
    for name in [("check box", t) for t in ["A–Z", "a–z", "0–9"]] + [("push button", "Symbols")]:
        by_name[name].queryAction().doAction(0)
    message = "Turn on at least one character to generate a password."
    check(wait_for(lambda: any(n.name == message and role(n) == "label" for n in shown())),
          "the error message is read where the password was")


if __name__ == "__main__":
    started = []
    try:
        main(sys.argv[1], started)
    finally:
        for process in started:
            with contextlib.suppress(ProcessLookupError):  # if already gone
                os.killpg(process.pid, signal.SIGKILL)
            process.wait()
    print(f"\n{len(FAILURES)} failed" if FAILURES else "\nall passed")
    sys.exit(1 if FAILURES else 0)
