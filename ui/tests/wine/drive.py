#!/usr/bin/python3
"""The Windows build under Wine, driven as a user drives it: XTEST keys and
clicks (xdotool) and the clipboard (xclip) in; the clipboard out, since Wine
has no accessibility bridge: a number box is read through its own edit menu
(Select All, Copy). Each window is kept as a picture in both languages. run.sh gives this script its
display and its Wine prefix.

    drive.py KALVANE_EXE OUT_DIR FRAMEBUFFER_FILE
"""
import importlib.util
import os
import re
import subprocess
import sys
import time

# The X11 stage's picture of Xvfb's frame buffer as a PNG.
_spec = importlib.util.spec_from_file_location(
    "x11_drive", os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "x11", "drive.py"))
_x11 = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(_x11)
screenshot = _x11.screenshot

FA, EN = 0, 1
MAIN_TITLE = (" کالوانه نسخه 1", "Kalvane V1.0")

# The windows opened from the main window's menus, each opened, pictured and
# closed with Escape in both languages: (name, menu path, title in each
# language). A menu path is (menu index, item indexes); the Persian menu bar
# runs right to left.
SECONDARY_WINDOWS = [
    ("colour-4band", (0, [0, 0]), (" محاسبه كد رنگي مقاومت هاي 4 باند",
                                   "4 Band Resistor Color Code Calculation")),
    ("colour-5band", (0, [0, 1]), (" محاسبه كد رنگي مقاومت هاي 5 باند",
                                   "5 Band Resistor Color Code Calculation")),
    ("colour-6band", (0, [0, 2]), (" محاسبه كد رنگي مقاومت هاي 6 باند",
                                   "6 Band Resistor Color Code Calculation")),
    ("smd", (0, [1]), ("محاسبه کد مقاومت هاي SMD", "SMD Resistor Code Calculation")),
    ("network-finder", (0, [2]), ("يافتن ترکيب مقاومت ها", "Resistor Network Finder")),
    ("divider", (0, [3]), ("محاسبه مقاومت هاي تقسيم کننده ولتاژ و رگولاتور قابل تنظيم",
                           "Voltage Divider and Adjustable Regulator Resistors")),
    ("led-array", (0, [4]), ("طراحي آرايه LED ها با يک منبع تغذيه", "LED Array Designer")),
    ("about", (2, [0]), ("درباره", "About")),
]
LANGUAGE_MENU = {FA: (1, [0]), EN: (1, [1])}

# The main window's focus chain from start: the arrangement list, the
# checked mode button, the four inputs, the two results, the button.
FOCUS_CHAIN = ["arrangement", "mode", "supply", "count", "led volts", "led mA", "resistor",
               "light", "calculate"]

# Keys into a box after its start text was typed over it: (name, box, start
# text, keys, what the box holds then). Backspace does nothing in the four
# main boxes; Delete does.
EDITS = [
    ("Home, then a digit", "supply", "12", "Home '9'", "912"),
    ("End and Left, then a digit", "supply", "12", "End Left '9'", "192"),
    ("Delete at the start", "supply", "123", "Home Delete", "23"),
    ("Delete in the middle", "count", "123", "Home Right Delete", "13"),
    ("Delete at the end does nothing", "led volts", "2.2", "End Delete", "2.2"),
    ("Backspace does nothing", "supply", "123", "End BackSpace", "123"),
    ("five characters with a point", "led volts", "1.2", "End '3456'", "1.234"),
    ("letters refused", "led mA", "1", "End 'a-b 2'", "12"),
]
# Persian digits pasted from the box's edit menu (xdotool types Persian
# wrongly under Wine): (name, box, clipboard, box text).
PASTES = [
    ("Persian digits", "supply", "۲۴", "24"),
    ("Persian digits and the Arabic decimal separator", "led volts", "۱٫۸", "1.8"),
]


class Failure(Exception):
    pass


def run(*args, check=True):
    result = subprocess.run(args, capture_output=True, timeout=30)
    if check and result.returncode != 0:
        raise Failure("%s failed: %s" % (" ".join(args[:3]), result.stderr.decode(errors="replace")))
    return result.stdout.decode(errors="replace")


def keys(key_names):
    """Sends key names, and 'quoted text' typed as it stands."""
    for token in re.findall(r"'[^']*'|\S+", key_names):
        if token.startswith("'"):
            run("xdotool", "type", "--delay", "40", token[1:-1])
        else:
            run("xdotool", "key", "--delay", "40", token)


def wait(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.05)


def shown_windows():
    return run("xdotool", "search", "--onlyvisible", "--class", ".", check=False).split()


def window_titled(title):
    found = run("xdotool", "search", "--onlyvisible", "--name", "^%s" % re.escape(title), check=False)
    return found.split()[0] if found.split() else None


def geometry(window):
    out = run("xdotool", "getwindowgeometry", window)
    x, y = re.search(r"Position: (-?\d+),(-?\d+)", out).groups()
    w, h = re.search(r"Geometry: (\d+)x(\d+)", out).groups()
    return int(x), int(y), int(w), int(h)


class Clipboard:
    """The X CLIPBOARD, served by an xclip while this script owns it."""

    def __init__(self):
        self.server = None

    def text(self):
        held = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                              timeout=30)
        return held.stdout.decode(errors="replace") if held.returncode == 0 else None

    def set(self, text):
        self.drop()
        self.server = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                                       stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        self.server.stdin.write(text.encode())
        self.server.stdin.close()
        wait(lambda: self.text() == text, 5, "xclip to take the clipboard")

    def drop(self):
        if self.server:
            self.server.kill()
            self.server.wait()
            self.server = None


# The edit menu's rows (Undo, Redo, | Cut, Copy, Paste, Delete, | Select
# All) in the Fusion style the program uses: 2-pixel separators, the rest of
# the menu's height shared by the seven items.
EDIT_MENU_ITEMS = 7
SEPARATOR = 2
COPY, PASTE, SELECT_ALL = 3, 4, 6


def click_edit_menu_item(menu, item):
    x, y, w, h = geometry(menu)
    row = (h - 2 * SEPARATOR) / EDIT_MENU_ITEMS
    top = y + item * row + SEPARATOR * ((item >= 2) + (item >= 6))
    run("xdotool", "mousemove", str(x + w // 2), str(int(top + row / 2)), "click", "1")


class Program:
    def __init__(self, exe, out, framebuffer):
        self.out, self.framebuffer = out, framebuffer
        self.log = open(os.path.join(out, "program.log"), "w")
        started = time.monotonic()
        self.process = subprocess.Popen(["wine", exe], stdout=self.log, stderr=self.log)
        self.language = FA
        self.main = wait(lambda: window_titled(MAIN_TITLE[FA]) or self.process.poll() is not None,
                         60, "the main window")
        if self.process.poll() is not None:
            raise Failure("the program ended at start (exit status %s)" % self.process.returncode)
        print("  main window shown in %.1f s" % (time.monotonic() - started))
        self.focus_at = 0  # the arrangement list holds the focus at start
        self.clipboard = Clipboard()
        # Keys reach the window once Wine has made it the active one: the
        # supply box's edit menu then opens (the list before it has none).
        run("xdotool", "windowfocus", "--sync", self.main, check=False)
        self.focus("supply")
        before = set(shown_windows())
        keys("Menu")
        menu = wait(lambda: next((w for w in shown_windows() if w not in before), None), 10,
                    "the first keys to reach the program")
        keys("Escape")
        wait(lambda: menu not in shown_windows(), 5, "the edit menu to close")

    def picture(self, name):
        path = os.path.join(self.out, "%s-%s.png" % (name, "fa" if self.language == FA else "en"))
        run("xdotool", "mousemove", "1023", "767")  # the pointer out of the picture
        time.sleep(0.3)  # the last paint reaches the frame buffer; no result depends on it
        screenshot(self.framebuffer, path)

    def focus(self, box):
        target = FOCUS_CHAIN.index(box)
        keys(" ".join(["Tab"] * ((target - self.focus_at) % len(FOCUS_CHAIN))) or "")
        self.focus_at = target

    def edit_menu(self, item):
        """Opens the focused box's edit menu with the Menu key and clicks `item`;
        False when the item is disabled (the menu is closed again)."""
        before = set(shown_windows())
        keys("Menu")
        menu = wait(lambda: next((w for w in shown_windows() if w not in before), None), 5,
                    "the edit menu")
        click_edit_menu_item(menu, item)
        try:
            wait(lambda: menu not in shown_windows(), 2, "the menu to close")
            return True
        except Failure:
            keys("Escape")
            wait(lambda: menu not in shown_windows(), 2, "the menu to close on Escape")
            return False

    def read_box(self, box):
        self.focus(box)
        return self.read_focused_box()

    def read_focused_box(self):
        """The focused number box's text, through its edit menu: Select All, Copy."""
        sentinel = "\x01nothing copied"
        self.clipboard.set(sentinel)
        keys("End")
        if not self.edit_menu(SELECT_ALL):
            return ""  # Select All is disabled only for an empty box
        if not self.edit_menu(COPY):
            raise Failure("Copy was disabled after Select All")
        text = wait(lambda: (t := self.clipboard.text()) != sentinel and t, 5, "the copied text")
        self.clipboard.drop()
        return text

    def type_over(self, box, text):
        self.focus(box)
        keys("Home shift+End '%s'" % text)

    def new_popup(self, before, timeout):
        try:
            return wait(lambda: next((w for w in shown_windows() if w not in before), None),
                        timeout, "a menu")
        except Failure:
            return None

    def open_menu_path(self, path):
        """Alt, the arrows to the menu, Return, then Down and Return through the
        items, each key sent once the menu it goes to is shown. A menu bar
        that Alt did not reach (a key Wine dropped) is tried once more."""
        menu, items = path
        run("xdotool", "windowfocus", "--sync", self.main, check=False)
        for attempt in (1, 2):
            before = set(shown_windows())
            keys("alt " + ("Left " if self.language == FA else "Right ") * menu + "Return")
            popup = self.new_popup(before, 5)
            if popup:
                break
            keys("Escape Escape")
        else:
            raise Failure("the menu bar did not open its menu %d" % menu)
        for i, item in enumerate(items):
            before.add(popup)
            keys("Down " * item + "Return")
            if i + 1 < len(items):
                popup = self.new_popup(before, 5)
                if not popup:
                    raise Failure("no submenu at item %d of menu %d" % (item, menu))

    def switch_language(self, language):
        self.open_menu_path(LANGUAGE_MENU[language])
        self.language = language
        self.main = wait(lambda: window_titled(MAIN_TITLE[language]), 10,
                         "the main window titled %r" % MAIN_TITLE[language])

    def open_and_close(self, name, path, titles):
        self.open_menu_path(path)
        window = wait(lambda: window_titled(titles[self.language]), 10,
                      "the window titled %r" % titles[self.language])
        self.picture(name)
        run("xdotool", "windowfocus", window, check=False)
        keys("Escape")
        wait(lambda: not window_titled(titles[self.language]), 5, "%s to close on Escape" % name)

    def close(self):
        """Alt+F4 on the main window; the program's exit status."""
        run("xdotool", "windowfocus", self.main, check=False)
        keys("alt+F4")
        try:
            return self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("the program was still running 15 s after Alt+F4")

    def stop(self):
        self.clipboard.drop()
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def expect(what, shown, expected):
    if shown != expected:
        raise Failure("%s: shows %r, expected %r" % (what, shown, expected))
    print("ok %s" % what)


def stage(p):
    p.picture("main")
    for name, box, start, key_names, expected in EDITS:
        p.type_over(box, start)
        keys(key_names)
        expect("%s: %s" % (box, name), p.read_box(box), expected)
    for name, box, clipboard, expected in PASTES:
        p.focus(box)
        keys("Home shift+End Delete")
        p.clipboard.set(clipboard)
        if not p.edit_menu(PASTE):
            raise Failure("Paste was disabled with %r on the clipboard" % clipboard)
        expect("%s pasted into %s" % (name, box), p.read_box(box), expected)
    # A calculation in the main window. Its result boxes take no keys and
    # offer no menu, so the result is pictured; the start values come back
    # from the resistor mode button first.
    p.focus("mode")
    keys("space")
    p.type_over("supply", "24")
    p.focus("calculate")
    keys("space")
    p.picture("main-calculated")
    # A calculation read back: the 4-band window writes the value of its
    # bands into its box. Its focus chain ends with the box and runs right
    # to left through the Persian bands before it.
    name, path, titles = SECONDARY_WINDOWS[0]
    p.open_menu_path(path)
    window = wait(lambda: window_titled(titles[FA]), 10, "the 4-band window")
    keys("shift+Tab Home shift+End '4700'")
    expect("4-band window: 4700 typed", p.read_focused_box(), "4700")
    keys("shift+Tab Down Tab")  # the first band one colour on: yellow to green
    expect("4-band window: the first band to green", p.read_focused_box(), "5700")
    p.picture("colour-4band-5700")
    run("xdotool", "windowfocus", window, check=False)
    keys("Escape")
    wait(lambda: not window_titled(titles[FA]), 5, "the 4-band window to close")
    for language in (FA, EN):
        if p.language != language:
            p.switch_language(language)
            p.picture("main")
        for name, path, titles in SECONDARY_WINDOWS:
            p.open_and_close(name, path, titles)
            print("ok %s opened, pictured and closed" % name)
    p.switch_language(FA)
    print("ok English and back to Persian")
    status = p.close()
    if status != 0:
        raise Failure("the program exited with status %d after Alt+F4" % status)
    print("ok Alt+F4 ends the program with status 0")


def main(argv):
    exe, out, framebuffer = argv[1:4]
    began = time.monotonic()
    program = Program(exe, out, framebuffer)
    try:
        stage(program)
    except Failure as error:
        print("FAIL %s" % error)
        screenshot(framebuffer, os.path.join(out, "failure.png"))
        print("  screen: %s" % os.path.join(out, "failure.png"))
        return 1
    finally:
        program.stop()
    print("Wine smoke stage passed in %.0f s" % (time.monotonic() - began))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
