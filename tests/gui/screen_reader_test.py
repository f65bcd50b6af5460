#!/usr/bin/python3
"""Listens to the editor as a screen reader does, through the AT-SPI bus, while keys are pressed.

Usage: screen_reader_test.py EDITOR. Starts its own Xvfb, D-Bus session and accessibility bus, so
it runs where no desktop is; exits 77 (skipped) when one of them is not installed. Prints every
event it hears with the colour it carries.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
INSIDE = "GLYPHGRID_SCREEN_READER_SESSION"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
COLOURS = ("grey", "red", "green", "orange")


def skip(reason):
    print("SKIPPED: " + reason + " (install them with scripts/install-deps)")
    sys.exit(SKIPPED)


def outside(editor):
    for tool in ("Xvfb", "xdotool", "dbus-run-session"):
        if shutil.which(tool) is None:
            skip(tool + " is missing")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        skip(BUS_LAUNCHER + " (at-spi2-core) is missing")
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        skip("python3-pyatspi is missing")
    env = dict(os.environ, **{INSIDE: "1"})
    session = subprocess.Popen(["dbus-run-session", "--", sys.executable, __file__, editor],
                               env=env, start_new_session=True)
    try:
        return session.wait(timeout=120)
    except subprocess.TimeoutExpired:
        # SIGTERM, not SIGKILL: the inner run then ends the programs it started.
        os.killpg(session.pid, signal.SIGTERM)
        session.wait()
        print("FAILED: the session did not end within 120 s")
        return 1


class Processes:
    """Starts programs in their own process groups and ends every one of them, whatever happens."""

    def __init__(self):
        self.started = []

    def start(self, command, **options):
        process = subprocess.Popen(command, start_new_session=True, **options)
        self.started.append(process)
        return process

    def end(self):
        for process in reversed(self.started):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait()


def start_xvfb(processes):
    read_end, write_end = os.pipe()
    processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        raise RuntimeError("Xvfb did not start")
    return ":" + number


def colour_of(text):
    words = [word for word in COLOURS if text.endswith(": " + word)]
    return words[0] if words else None


class Listener:
    """Keeps what the editor says: ("focus" or "name", the object's role, its name)."""

    def __init__(self, app_pid):
        self.app_pid = app_pid
        self.heard = []

    def __call__(self, event):
        try:
            if event.source.get_process_id() != self.app_pid:
                return
            role = event.source.getRoleName()
            name = event.source.name
        except Exception:  # the object may be gone by the time it is asked
            return
        if event.type == "object:state-changed:focused" and event.detail1 == 1:
            self.heard.append(("focus", role, name))
        elif event.type == "object:property-change:accessible-name":
            # libatspi hands the name the event carried as a string or as the object it renamed.
            carried = event.any_data
            self.heard.append(("name", role, carried if isinstance(carried, str) else name))


def wait_for(condition, seconds):
    """Runs the GLib main loop, which delivers the events, until `condition` or the time is up."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if condition():
            return True
        time.sleep(0.02)
    return condition()


def cell_of(text):
    return text.rsplit(":", 1)[0]


def on_bus(pyatspi, pid):
    """Whether the accessibility registry lists the editor: only then are its events heard."""
    try:
        return any(app is not None and app.get_process_id() == pid
                   for app in pyatspi.Registry.getDesktop(0))
    except Exception:  # the registry is still starting
        return False


def inside(editor):
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # so that `finally` ends what started
    processes = Processes()
    failures = []
    try:
        display = start_xvfb(processes)
        processes.start([BUS_LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
        time.sleep(1)
        import pyatspi
        with tempfile.TemporaryDirectory() as settings:
            env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=settings,
                       XDG_STATE_HOME=settings)
            app = processes.start([editor], env=env)
            # On a busy machine the registry comes up late; events sent before it are lost.
            if not wait_for(lambda: on_bus(pyatspi, app.pid), 30):
                raise RuntimeError("the editor did not show on the accessibility bus within 30 s")
            listener = Listener(app.pid)
            pyatspi.Registry.registerEventListener(listener, "object:state-changed:focused",
                                                   "object:property-change:accessible-name")
            listen(env, app, listener, failures)
    except (RuntimeError, subprocess.SubprocessError) as error:
        failures.append(str(error))
    finally:
        processes.end()
    return finish(failures)


def listen(env, app, listener, failures):
    def xdotool(*args, check=True):
        return subprocess.run(["xdotool", *args], env=env, timeout=10, check=check,
                              capture_output=True, text=True).stdout.split()

    windows = []  # search fails until the window is there
    if not wait_for(lambda: windows.extend(xdotool("search", "--onlyvisible", "--pid",
                                                   str(app.pid), check=False)) or windows, 30):
        raise RuntimeError("the editor showed no window within 30 s")
    xdotool("windowfocus", "--sync", windows[0])
    wait_for(lambda: False, 1)

    def press(key, label, wanted, check, failure):
        """Presses a key, prints what is heard and checks the last event `wanted` accepts."""
        listener.heard.clear()
        xdotool("key", key)
        wait_for(lambda: any(wanted(e) for e in listener.heard), 3)
        # Whatever follows belongs to this key too: the focus moving away again, say.
        wait_for(lambda: False, 0.5)
        for kind, role, text in listener.heard:
            colour = colour_of(text)
            print(f"{label:7} {kind:5} {role:10} {text!r}" + (f"  colour={colour}" if colour
                                                             else ""))
        matches = [e for e in listener.heard if wanted(e)]
        if not matches or not check(matches[-1]):
            failures.append(f"{label}: {failure}")
            return None
        return matches[-1]

    focus = lambda e: e[0] == "focus"
    on_cell = lambda e: e[1] == "table cell" and colour_of(e[2]) is not None
    for _ in range(15):
        listener.heard.clear()
        xdotool("key", "Tab")
        wait_for(lambda: any(focus(e) for e in listener.heard), 3)
        wait_for(lambda: False, 0.5)
        if any(focus(e) and e[1] == "table cell" for e in listener.heard):
            break
    else:
        failures.append("Tab: the focus never reached a lamp cell")
        return
    # The Tab that reached the grid, heard again from the cell before it.
    xdotool("key", "shift+Tab")
    wait_for(lambda: False, 0.5)
    marked = press("Tab", "Tab", focus, on_cell, "the focus ends on a cell named with its colour")
    if marked is None:
        return
    right = press("Right", "Right", focus,
                  lambda e: on_cell(e) and cell_of(e[2]) != cell_of(marked[2]),
                  "the focus moves to the next cell, named with its colour")
    if right is None:
        return
    renamed = lambda e: e[0] == "name" and e[1] == "table cell"
    for key, label, colour in [("space", "Space", "red"), ("2", "2", "green"),
                               ("ctrl+z", "Ctrl+Z", "red")]:
        press(key, label, renamed,
              lambda e, colour=colour: cell_of(e[2]) == cell_of(right[2]) and
              colour_of(e[2]) == colour,
              f"a name change on the marked cell carrying {colour}")


def finish(failures):
    for failure in failures:
        print("FAILED: " + failure)
    if not failures:
        print("PASSED")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(inside(sys.argv[1]) if os.environ.get(INSIDE) else outside(sys.argv[1]))
