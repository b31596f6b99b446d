#!/usr/bin/python3
"""What a screen reader receives from the built program (the one argument) on a private
AT-SPI bus, read as Orca reads it; run inside dbus-run-session on the test X server."""
import contextlib, os, re, signal, subprocess, sys, tempfile, time

import pyatspi as P

FAILURES = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    FAILURES.extend([] if condition else [what])
    return condition


def wait_for(find, seconds=20):
    for _ in range(seconds * 5):
        if found := find():
            return found
        time.sleep(0.2)


def states(node):
    return {P.stateToString(s) for s in node.getState().getStates()}


def showing(node):
    for child in filter(lambda child: child is not None and "showing" in states(child), node):
        yield from [child, *showing(child)]


# By its constant: at-spi2-core renames roles at times (Debian 13's "button" is Debian 12's
# "push button"), and Qt 6.8 tells a button that opens a menu as a menu button.
def role(node):
    return {P.ROLE_PUSH_BUTTON_MENU: P.ROLE_PUSH_BUTTON}.get(node.getRole(), node.getRole())


def main(program, started):
    # Own sessions let killpg end the daemons they start; the program seeks the bus only at start.
    started.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    start_new_session=True))
    check(wait_for(lambda: subprocess.run(
        ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0), "the bus is up")
    home = tempfile.mkdtemp()
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    # Sanitized with the bridge on, it aborted at start once in dozens of runs; its output shows.
    for _ in range(2):
        started.append(subprocess.Popen([program], env=environment, start_new_session=True,
                                        stdout=subprocess.DEVNULL))
        app = wait_for(lambda: started[-1].poll() is not None or next(
            (a for a in P.Registry.getDesktop(0) if a is not None and a.name == "Tessellon"),
            None), 60)
        if app is not True:
            break
        print(f"NOTE  the program ended as it started ({started[-1].returncode})")
    if not check(app not in (None, True), "the program is on the accessibility bus as 'Tessellon'"):
        return
    frame = wait_for(lambda: next((n for n in app if n is not None), None))
    check(role(frame) == P.ROLE_FRAME and frame.name == "Tessellon",
          f"the window is a frame named 'Tessellon' ({frame.name!r})")

    def shown():  # anew, as an event would tell a reader that listens
        frame.clearCache()
        return list(showing(frame))
    # The window is on the bus before its content shows.
    nodes = wait_for(lambda: (found := shown()) and any(n.name == "%" for n in found) and found,
                     40) or []
    controls = [n for n in nodes if "focusable" in states(n) and role(n) in (
        P.ROLE_PUSH_BUTTON, P.ROLE_CHECK_BOX, P.ROLE_TOGGLE_BUTTON, P.ROLE_SLIDER,
        P.ROLE_COMBO_BOX)]
    unnamed = [n.getRoleName() for n in controls if not n.name]
    check(len(controls) > 30 and not unnamed, f"{len(controls)} controls, unnamed: {unnamed}")
    by_name = {(role(n), n.name): n for n in nodes}
    button, box = P.ROLE_PUSH_BUTTON, P.ROLE_CHECK_BOX
    groups = [(box, "A–Z"), (box, "a–z"), (box, "0–9"), (button, "Symbols")]
    wanted = groups + [(P.ROLE_SLIDER, "Length"), (P.ROLE_PROGRESS_BAR, "Strength"),
                       (P.ROLE_COMBO_BOX, "Basic"), (box, "%"), (box, "!")] + [
        (button, t) for t in ("Copy", "History", "Options", "Regenerate")]
    missing = [w for w in wanted if w not in by_name]
    found = {name: [n.getRoleName() for n in nodes if n.name == name] for _, name in missing}
    if not check(not missing, f"each control has its role and name (missing, roles: {found})"):
        return
    check(any(role(n) == P.ROLE_LABEL and re.fullmatch(r"[!-~]{16}", n.name) for n in nodes),
          "the password is read as a label of 16 characters")
    # All characters off by screen reader actions: the message takes the password's place, read out.
    for name in groups:
        by_name[name].queryAction().doAction(0)
    message = "Turn on at least one character to generate a password."
    check(wait_for(lambda: any(n.name == message and role(n) == P.ROLE_LABEL for n in shown())),
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
