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
    try:
        return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, editor],
                              env=env, timeout=120).returncode
    except subprocess.TimeoutExpired:
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
    def __init__(self, pyatspi, app_pid):
        self.pyatspi = pyatspi
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


def wait_for(pyatspi, condition, seconds):
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


def inside(editor):
    processes = Processes()
    failures = []
    try:
        display = start_xvfb(processes)
        processes.start([BUS_LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
        time.sleep(1)
        import pyatspi
        settings = tempfile.TemporaryDirectory()
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=settings.name,
                   XDG_STATE_HOME=settings.name)
        app = processes.start([editor], env=env, stderr=subprocess.DEVNULL)
        listener = Listener(pyatspi, app.pid)
        pyatspi.Registry.registerEventListener(listener, "object:state-changed:focused",
                                               "object:property-change:accessible-name")

        def window():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(app.pid)],
                                   env=env, capture_output=True, text=True, timeout=10)
            return found.stdout.split()

        if not wait_for(pyatspi, lambda: window(), 20):
            raise RuntimeError("the editor showed no window within 20 s")
        xdotool = lambda *args: subprocess.run(["xdotool", *args], env=env, timeout=10,
                                               check=True)
        xdotool("windowfocus", "--sync", window()[0])
        wait_for(pyatspi, lambda: False, 1)

        def press(key, wanted):
            """Presses a key and returns what is heard up to the event `wanted` accepts."""
            listener.heard.clear()
            xdotool("key", key)
            wait_for(pyatspi, lambda: any(wanted(e) for e in listener.heard), 3)
            # What follows the wanted event belongs to this key too: a focus moved away again.
            wait_for(pyatspi, lambda: False, 0.5)
            return list(listener.heard)

        def report(key, heard, wanted, check):
            for kind, role, text in heard:
                colour = colour_of(text)
                print(f"{key:7} {kind:5} {role:10} {text!r}" + (f"  colour={colour}" if colour
                                                                 else ""))
            matches = [e for e in heard if wanted(e)]
            if not matches or not check(matches[-1]):
                failures.append(f"{key}: {check.__doc__}")
            return matches[-1] if matches else None

        cell_focus = lambda e: e[0] == "focus" and e[1] == "table cell"
        into_grid = None
        for _ in range(15):
            heard = press("Tab", lambda e: e[0] == "focus")
            if any(cell_focus(e) for e in heard):
                def stays(event, heard=heard):
                    """the focus ends on a cell that names its colour"""
                    return (heard[-1] == event if heard[-1][0] == "focus" else True) and \
                        colour_of(event[2]) is not None and \
                        [e for e in heard if e[0] == "focus"][-1] == event
                into_grid = report("Tab", heard, cell_focus, stays)
                break
        if into_grid is None:
            failures.append("Tab: no focus event on a lamp cell")
            return finish(failures)

        def cell(text):
            return text.rsplit(":", 1)[0]

        def moved(event):
            """the focus moves to the next cell, named with its colour"""
            return cell(event[2]) != cell(into_grid[2]) and colour_of(event[2]) is not None
        right = report("Right", press("Right", cell_focus), cell_focus, moved)
        if right is None:
            return finish(failures)
        changed = lambda e: e[0] == "name" and e[1] == "table cell"
        steps = [("space", "Space", "red"), ("2", "2", "green"), ("ctrl+z", "Ctrl+Z", "red")]
        for key, label, colour in steps:
            def carries(event, colour=colour):
                return cell(event[2]) == cell(right[2]) and colour_of(event[2]) == colour
            carries.__doc__ = f"a name change on the marked cell carrying {colour}"
            report(label, press(key, changed), changed, carries)
    except (RuntimeError, subprocess.SubprocessError) as error:
        failures.append(str(error))
    finally:
        processes.end()
    return finish(failures)


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
