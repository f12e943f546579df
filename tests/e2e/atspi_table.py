"""Reads the game from outside its process through AT-SPI and acts on it
with real X input (xdotool clicks at the extents AT-SPI reports, and key
presses). Every wait is on a condition, bounded generously: the machine may
be busy."""

import re
import subprocess
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)

BOUND = 60.0  # seconds for anything a person would wait for
SHOWING = Atspi.StateType.SHOWING
ENABLED = Atspi.StateType.ENABLED



def plain(description):
    """A box's own description, without what the table adds after it."""
    return re.split(r", (?:would score -?\d+|not played|suggested)", description)[0]

class Failure(Exception):
    pass


STARTED = time.monotonic()


def log(*parts):
    print(f"journey: {time.monotonic() - STARTED:6.1f}s", *parts, flush=True)


def wait_for(what, probe, bound=BOUND, step=0.1):
    """Polls probe() until it answers something true; fails after bound s."""
    end = time.monotonic() + bound
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except gi.repository.GLib.Error as error:  # a node went away mid-read
            last_error = error
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))
        time.sleep(step)


# ---- Reading the program ---------------------------------------------------

class Node:
    """What one accessible object said at one moment."""

    def __init__(self, acc):
        self.acc = acc
        self.name = acc.get_name() or ""
        self.description = acc.get_description() or ""
        self.role = acc.get_role_name()
        states = acc.get_state_set()
        self.showing = states.contains(SHOWING)
        self.enabled = states.contains(ENABLED)

    def centre(self):
        ext = self.acc.get_extents(Atspi.CoordType.SCREEN)
        if ext.width <= 0 or ext.height <= 0:
            raise Failure(f"{self} has no extents on screen")
        return ext.x + ext.width // 2, ext.y + ext.height // 2

    def actions(self):
        count = self.acc.get_n_actions()
        return [self.acc.get_action_name(i) for i in range(count)]

    def text(self):
        return self.acc.get_text(0, -1)

    def __repr__(self):
        return f"<{self.role} {self.name!r} {self.description!r}>"


class Program:
    def __init__(self, process):
        self.process = process
        self.app = None

    def find_app(self):
        def probe():
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            self.check_alive()
            return None

        self.app = wait_for("the program in the accessibility registry", probe, step=0.25)

    def check_alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended early with status {self.process.returncode}")

    def windows(self):
        """The showing top-level windows, by title."""
        self.check_alive()
        found = {}
        self.app.clear_cache()
        for i in range(self.app.get_child_count()):
            child = self.app.get_child_at_index(i)
            if child is None:
                continue
            node = Node(child)
            if node.showing:
                found[node.name] = node
        return found

    def window(self, title):
        return self.windows().get(title)

    def nodes(self, window):
        """Every object of a window, read afresh."""
        out = []

        def walk(acc):
            acc.clear_cache()
            out.append(Node(acc))
            for i in range(acc.get_child_count()):
                child = acc.get_child_at_index(i)
                if child is not None:
                    walk(child)

        walk(window.acc)
        return out


class Table:
    """The table window as the names say it is."""

    def __init__(self, program):
        self.program = program

    def read(self):
        window = self.program.window("Real Pentaro")
        if window is None:
            raise Failure("the table window is not showing")
        nodes = self.program.nodes(window)
        self.by_name = {}
        self.by_description = {}
        for n in nodes:
            self.by_name.setdefault(n.name, n)
            if n.description:
                # The box's own name, without what the table adds after it.
                self.by_description.setdefault(plain(n.description), n)
        self.dice = {}
        for n in nodes:
            if n.role == "push button" and n.name.startswith("Die "):
                head = n.name.split(",")[0]
                number = int(head[4:5])
                kept = n.name.endswith(", kept")
                face = int(head.split(": ")[1]) if ": " in head else 0
                self.dice[(number, kept)] = (face, n)
        self.rolls = next((n.name for n in nodes if n.name.startswith("Rolls")), None)
        return self

    def button(self, name):
        if name not in self.by_name:
            raise Failure(f"no control named {name!r} on the table")
        return self.by_name[name]

    def box(self, description):
        description = plain(description)
        if description not in self.by_description:
            raise Failure(f"no box described {description!r} on the table")
        return self.by_description[description]

    def faces(self):
        """Die number -> (face, kept), from whichever row shows it."""
        out = {}
        for d in range(1, 6):
            kept_face, kept_node = self.dice[(d, True)]
            roll_face, roll_node = self.dice[(d, False)]
            if kept_face and kept_node.enabled:
                out[d] = (kept_face, True)
            elif roll_face and roll_node.enabled:
                out[d] = (roll_face, False)
        return out


# ---- Acting on it ------------------------------------------------------------

def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30,
                   stdout=subprocess.DEVNULL)


def click(node):
    x, y = node.centre()
    xdotool("mousemove", "--sync", str(x), str(y))
    xdotool("click", "1")


def focus_window(pid, title):
    """Gives the window the keyboard (there is no window manager to do it)."""

    def probe():
        out = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                              "--name", f"^{title}$"], capture_output=True, text=True, timeout=30)
        return out.stdout.split()

    # Every condition must hold: xdotool's search otherwise matches any.
    window = wait_for(f"the X window {title!r}", probe)[0]
    xdotool("windowfocus", "--sync", window)


def keys(*names):
    xdotool("key", "--clearmodifiers", "--delay", "60", *names)


def type_text(text):
    xdotool("type", "--delay", "60", text)
