"""The Wayland side of the Wayland stage, and the accessibility tree: keys
through wtype, the clipboard through wl-copy, screenshots through grim, the
windows sway shows, AT-SPI reads and actions, and one run of the program
found in the tree. drive.py holds the cases; nothing here knows them."""
import collections
import json
import os
import re
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402


class Failure(Exception):
    pass


class Mismatch(Failure):
    """A window showed something else than expected; the program is fine to go on with."""


# ---------------------------------------------------------------- Wayland side
def run(*args, data=None, check=True, timeout=20):
    result = subprocess.run(args, input=data, capture_output=True, timeout=timeout)
    if check and result.returncode != 0:
        raise Failure("%s failed: %s" % (" ".join(args[:3]), result.stderr.decode(errors="replace")))
    return result.stdout.decode(errors="replace")


def keys(key_names):
    """Sends `key_names` in one wtype call: key names, mod+key, and 'quoted
    text' typed as it stands. wtype makes a new virtual keyboard each call;
    the lead time lets the program take its key map before the first key."""
    args = ["wtype", "-s", "60"]
    for token in re.findall(r"'[^']*'|\S+", key_names):
        if token.startswith("'"):
            if token[1:-1]:
                args += ["--", token[1:-1]] if token[1] == "-" else [token[1:-1]]
            continue
        *mods, key = token.split("+")
        for mod in mods:
            args += ["-M", mod]
        args += ["-k", {"alt": "Alt_L", "shift": "Shift_L"}.get(key, key)]
        for mod in reversed(mods):
            args += ["-m", mod]
    if "--" in args[:-2]:
        raise ValueError("text starting with '-' can only come last: %r" % key_names)
    run(*args)


def sway(*args):
    return run("swaymsg", *args)


View = collections.namedtuple("View", "name pid rect floating app_id")


def views():
    """The windows sway shows (View), and the output's rect."""
    tree = json.loads(sway("-r", "-t", "get_tree"))
    found, output = [], None

    def walk(node, floating):
        nonlocal output
        if node.get("type") == "output" and node.get("name") != "__i3":
            output = node["rect"]
        if node.get("pid"):
            found.append(View(node.get("name"), node["pid"], node["rect"], floating,
                              node.get("app_id")))
        for child in node.get("nodes", []):
            walk(child, False)
        for child in node.get("floating_nodes", []):
            walk(child, True)

    walk(tree, False)
    return found, output


class Clipboard:
    """The Wayland clipboard, served by wl-copy (through sway's data-control)."""

    def set(self, text):
        if text:
            # wl-copy stays behind to serve the text: it must not hold our pipes.
            subprocess.run(["wl-copy"], input=text.encode(), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=20, check=True)
        else:
            run("wl-copy", "--clear")
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:  # until the compositor offers it
            held = subprocess.run(["wl-paste", "--no-newline"], capture_output=True, timeout=20)
            if (held.stdout if held.returncode == 0 else b"") == text.encode():
                return
            time.sleep(0.02)
        raise Failure("wl-copy did not take the clipboard")


def screenshot(path):
    run("grim", path)


# ---------------------------------------------------------------- AT-SPI
def state(node, name):
    return node.get_state_set().contains(getattr(Atspi.StateType, name))


def showing(node):
    return state(node, "SHOWING")


def text_of(node):
    return node.get_text(0, -1)


def action_index(node, names):
    """The first of the actions `names` (a name, or names separated by |) the node has."""
    offered = [node.get_action_name(i) for i in range(node.get_n_actions())]
    for name in names.split("|"):
        if name in offered:
            return offered.index(name)
    raise Failure("%s %r has no action %s, only %r" % (node.get_role_name(), node.get_name(),
                                                        names, offered))


class Actions:
    """AT-SPI actions sent without waiting for their answer: an action that
    opens a modal window answers only once that window is closed."""

    def __init__(self):
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                  None, GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE,
                                  5000, None)
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self.bus = Gio.DBusConnection.new_for_address_sync(reply.unpack()[0], flags, None, None)

    def do(self, node, name):
        message = Gio.DBusMessage.new_method_call(node.app.bus_name, node.path,
                                                  "org.a11y.atspi.Action", "DoAction")
        message.set_body(GLib.Variant("(i)", (action_index(node, name),)))
        message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
        self.bus.send_message(message, Gio.DBusSendMessageFlags.NONE)
        # The program handles one connection's calls in their order, a modal
        # window's loop included: once this answers, the action has run (or
        # its window is up).
        self.bus.call_sync(node.app.bus_name, node.path, "org.a11y.atspi.Accessible", "GetRole",
                           None, GLib.VariantType.new("(u)"), Gio.DBusCallFlags.NONE, 5000, None)


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


class Program:
    """One run of the program under test, found in the tree by its pid."""

    def __init__(self, path, log, titles):
        """`titles`: each window's title in each language, by the name the
        driver gives it."""
        self.titles = titles
        env = dict(os.environ, QT_QPA_PLATFORM="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop("DISPLAY", None)
        self.process = subprocess.Popen([path], env=env, stdout=log, stderr=log)
        self.language = 0  # Persian, as at every start
        self.app = None
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            desktop = Atspi.get_desktop(0)
            for app in children(desktop):
                try:
                    if app.get_process_id() == self.process.pid:
                        self.app = app
                except GLib.Error:
                    pass
            if self.app and self.windows():
                return
            if self.process.poll() is not None:
                break
            time.sleep(0.05)
        raise Failure("the program did not show its window (exit status %s)" % self.process.poll())

    def alive(self):
        return self.process.poll() is None

    def windows(self):
        return [w for w in children(self.app) if showing(w)]

    def title(self, key):
        return self.titles[key][self.language]

    def window(self, key, timeout=3.0):
        title = self.title(key)
        return self.wait(lambda: next((w for w in self.windows() if w.get_name() == title), None),
                         timeout, "no window titled %r" % title)

    def active(self, key, timeout=3.0):
        """The window of `key`, once it has the keyboard."""
        title = self.title(key)
        return self.wait(lambda: next((w for w in self.windows()
                                       if w.get_name() == title and state(w, "ACTIVE")), None),
                         timeout, "the window titled %r never had the keyboard" % title)

    def find(self, root, role, name, timeout=3.0, visible=True):
        def search(node):
            for child in children(node):
                if visible and not showing(child):
                    continue
                if child.get_role_name() == role and (name is None or child.get_name() == name):
                    return child
                hit = search(child)
                if hit:
                    return hit
            return None

        return self.wait(lambda: search(root), timeout, "no %s named %r" % (role, name))

    def all(self, root, role):
        found = []

        def walk(node):
            for child in children(node):
                if showing(child):
                    if child.get_role_name() == role:
                        found.append(child)
                    walk(child)

        walk(root)
        return found

    def wait(self, probe, timeout, what):
        deadline = time.monotonic() + timeout
        while True:
            if not self.alive():
                raise Failure("the program exited with status %s" % self.process.poll())
            hit = probe()
            if hit:
                return hit
            if time.monotonic() > deadline:
                raise Failure(what)
            time.sleep(0.03)

    def dump(self):
        """What every window shows, for a failure's report."""
        lines = []
        for window in self.windows():
            lines.append("  %s %r" % (window.get_role_name(), window.get_name()))
            for node in self.all(window, "text"):
                lines.append("    box %r = %r" % (node.get_name(), clip(text_of(node))))
            for role in ("combo box", "label", "menu item"):
                names = [node.get_name() for node in self.all(window, role)]
                if names:
                    lines.append("    %ss: %s" % (role, " | ".join(names)))
        return "\n".join(lines)


def clip(text):
    return text if len(text) <= 40 else "%s... (%d characters)" % (text[:40], len(text))
