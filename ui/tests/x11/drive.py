#!/usr/bin/python3
"""The program on a real X display, driven as a user drives it: XTEST keys and
clicks (xdotool) and the X clipboard (xclip) in, the accessibility tree
(AT-SPI) out. Each case is a named row of one of the tables below; run.sh
gives this script its display and its private D-Bus session. It checks what
the windows show, not how the program is built inside.

    drive.py PROGRAM OUT_DIR FRAMEBUFFER_FILE    (the stage, from run.sh)
    drive.py --close WINDOW_ID                   (a window manager's close)
"""
import ctypes
import os
import re
import struct
import subprocess
import sys
import time
import traceback
import zlib

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


class Failure(Exception):
    pass


class Mismatch(Failure):
    """A window showed something else than expected; the program is fine to go on with."""


# ---------------------------------------------------------------- tables
# Windows by their titles in each language.
TITLES = {
    "main": (" کالوانه نسخه 1", "Kalvane V1.0"),
    "4": (" محاسبه كد رنگي مقاومت هاي 4 باند", "4 Band Resistor Color Code Calculation"),
    "5": (" محاسبه كد رنگي مقاومت هاي 5 باند", "5 Band Resistor Color Code Calculation"),
    "6": (" محاسبه كد رنگي مقاومت هاي 6 باند", "6 Band Resistor Color Code Calculation"),
    "smd": ("محاسبه کد مقاومت هاي SMD", "SMD Resistor Code Calculation"),
    "finder": ("يافتن ترکيب مقاومت ها", "Resistor Network Finder"),
    "divider": ("محاسبه مقاومت هاي تقسيم کننده ولتاژ و رگولاتور قابل تنظيم",
                "Voltage Divider and Adjustable Regulator Resistors"),
    "array": ("طراحي آرايه LED ها با يک منبع تغذيه", "LED Array Designer"),
    "about": ("درباره", "About"),
}
FA, EN = 0, 1

# The boxes under test: window, accessible name in each language.
BOXES = {
    "supply": ("main", "ولتاژ منبع تغذيه DC (ولت)", "Supply Voltage (V)"),
    "count": ("main", "تعداد LED سري شده (تعداد)", "Count of LEDs in series (pcs.)"),
    "led volts": ("main", "ولتاژ دو سر هر LED (ولت)", "Voltage across one LED (V)"),
    "led mA": ("main", "جريان هر LED (ميلي آمپر)", "Current of one LED (mA)"),
    "ohm 4": ("4", "مقاومت به اهم", "Resistance in Ohm"),
    "ohm 5": ("5", "مقاومت به اهم", "Resistance in Ohm"),
    "ohm 6": ("6", "مقاومت به اهم", "Resistance in Ohm"),
    "smd code": ("smd", "کد روي مقاومت", "Code on the resistor"),
    "smd value": ("smd", "مقدار مقاومت (اهم)", "Resistance (Ohm)"),
    "finder target": ("finder", "مقدار مورد نظر (اهم)", "Wanted resistance (Ohm)"),
    "divider vin": ("divider", "ولتاژ ورودي Vin (ولت)", "Input voltage Vin (V)"),
    "divider vout": ("divider", "ولتاژ خروجي Vout (ولت)", "Output voltage Vout (V)"),
    "array supply": ("array", "ولتاژ منبع تغذيه DC (ولت)", "Supply voltage (V)"),
    "array count": ("array", "تعداد LED ها (تعداد)", "Number of LEDs (pcs.)"),
}
RESULT_BOX = ("مقاومت براي هر شاخه (اهم)", "Resistor for each branch (Ohm)")
CALC_BUTTON = ("محاسبه", "Calculation")
RESISTOR_MODE = ("مقاومت", "Resistor")
ERROR = "error"  # a result: the calculation showed its invalid-input message

COLOURS_FA = {
    "Black": "سياه", "Brown": "قهوه اي", "Red": "قرمز", "Orange": "نارنجي",
    "Yellow": "زرد", "Green": "سبز", "Blue": "آبي", "Violet": "بنفش",
    "Gray": "خاکستري", "White": "سفيد", "Gold": "طلايي", "Silver": "نقره اي",
}

# Delete and Backspace at three places of each box's start text: what the
# box holds then. Backspace does nothing in the four main boxes.
# box: (start text, Delete at the start, middle, end, Backspace likewise)
PLACES = [("the start", "Home"), ("the middle", "Home Right"), ("the end", "End")]
DELETE_AND_BACKSPACE = {
    "supply": ("123", "23", "13", "123", "123", "123", "123"),
    "count": ("123", "23", "13", "123", "123", "123", "123"),
    "led volts": ("2.2", ".2", "22", "2.2", "2.2", "2.2", "2.2"),
    "led mA": ("20", "0", "2", "20", "20", "20", "20"),
    "ohm 4": ("470", "70", "40", "470", "470", "70", "47"),
    "ohm 5": ("470", "70", "40", "470", "470", "70", "47"),
}

# Keys: xdotool key names, and 'text' typed as it stands. Every row starts
# from the start text typed over the box's whole text (Home, Shift+End).
# Ctrl+A selects nothing in the four main boxes; it does in the typed-
# resistance box. (name, box, start text, keys, box text after)
EDITS = [
    ("supply: Home, then a digit", "supply", "12", "Home '9'", "912"),
    ("supply: End and the arrows, then a digit", "supply", "12", "End Left '9'", "192"),
    ("supply: Home and the arrows, then a digit", "supply", "12", "Home Right Right Left '9'", "192"),
    ("supply: three digits without a point", "supply", "12", "End '345'", "123"),
    ("supply: five characters with a point", "supply", "1.2", "End '3456'", "1.234"),
    ("supply: letters refused", "supply", "1", "End 'a-b 2'", "12"),
    ("supply: select all and type over", "supply", "123", "Home shift+End '7'", "7"),
    ("supply: Ctrl+A selects nothing", "supply", "12", "ctrl+a '7'", "127"),
    ("count: three digits", "count", "12", "End '34'", "123"),
    ("count: no point", "count", "1", "End '.5'", "15"),
    ("count: select all and type over", "count", "123", "Home shift+End '4'", "4"),
    ("count: Ctrl+A selects nothing", "count", "1", "ctrl+a '2'", "12"),
    ("led volts: five characters with a point", "led volts", "2.2", "End '3456'", "2.234"),
    ("led volts: three digits without one", "led volts", "12", "End '34'", "123"),
    ("led volts: select all and type over", "led volts", "2.2", "Home shift+End '3'", "3"),
    ("led mA: five digits", "led mA", "20", "End '3456'", "20345"),
    ("led mA: no point", "led mA", "20", "End '.'", "20"),
    ("led mA: select all and type over", "led mA", "20", "Home shift+End '9'", "9"),
    ("ohm 4: eight characters", "ohm 4", "4700", "End '00000'", "47000000"),
    ("ohm 4: the arrows, then a digit", "ohm 4", "40", "End Left '7'", "470"),
    ("ohm 4: Ctrl+A and type over", "ohm 4", "470", "ctrl+a '5'", "5"),
    ("ohm 5: nine characters", "ohm 5", "47000", "End '00000'", "470000000"),
    ("ohm 5: letters refused", "ohm 5", "4", "End 'k7'", "47"),
    ("ohm 5: Home, then a digit", "ohm 5", "70", "Home '4'", "470"),
    ("ohm 5: Home, Shift+End and type over", "ohm 5", "470", "Home shift+End '1'", "1"),
] + [("%s: %s at %s" % (box, key, place), box, row[0], "%s %s" % (keys, key), after)
     for box, row in DELETE_AND_BACKSPACE.items()
     for key, results in (("Delete", row[1:4]), ("BackSpace", row[4:7]))
     for (place, keys), after in zip(PLACES, results)]

# The Persian layout: Persian digits and the Arabic decimal separator (Shift+3
# there) typed over the box's text. (name, box, keysyms, box text, result)
# where the result is the calculated resistor or the colour window's bands.
PERSIAN_KEYS = {str(d): "Farsi_%d" % d for d in range(10)}
PERSIAN_KEYS["."] = "0x100066b"
PERSIAN_LAYOUT = [
    ("Persian layout: supply", "supply", "24", "24", "650"),
    ("Persian layout: LED count", "count", "3", "3", "270"),
    ("Persian layout: LED voltage with a decimal separator", "led volts", "1.8", "1.8", "150"),
    ("Persian layout: LED current", "led mA", "10", "10", "100"),
    ("Persian layout: 4 bands", "ohm 4", "470", "470", ["Yellow", "Violet", "Brown", "Gold"]),
    ("Persian layout: 5 bands with a decimal separator", "ohm 5", "47.5", "47.5",
     ["Yellow", "Violet", "Green", "Gold", "Brown"]),
]

BIG = 1_000_000
# What each kind of clipboard text becomes in each box, emptied first:
# (kind, box, clipboard, box text, result). The supply and count boxes keep
# only their characters; the LED voltage and current boxes keep what is
# pasted, Persian digits as ASCII ones, and the calculation then refuses a
# text that is not a number. Every box is cut to its limit.
PASTES = [
    ("a number", "supply", "24", "24", "650"),
    ("a number", "count", "3", "3", "270"),
    ("a number", "led volts", "1.8", "1.8", "150"),
    ("a number", "led mA", "10", "10", "100"),
    ("a number", "ohm 4", "470", "470", ["Yellow", "Violet", "Brown", "Gold"]),
    ("a number", "ohm 5", "470", "470", ["Yellow", "Violet", "Black", "Black", "Brown"]),
    ("letters", "supply", "2V4", "24", "650"),
    ("letters", "count", "x3", "3", "270"),
    ("letters", "led volts", "1V", "1V", ERROR),
    ("letters", "led mA", "1x0", "1x0", ERROR),
    ("letters", "ohm 4", "abc47", "47", ["Yellow", "Violet", "Black", "Gold"]),
    ("letters", "ohm 5", "4k7", "47", ["Yellow", "Violet", "Black", "Gold", "Brown"]),
    ("1 MB", "supply", "24" + "0" * (BIG - 2), "240", "11450"),
    # 111 LEDs, or 111 V each, need more than the 12 V supply: the panel
    # shows the negative resistor it computes.
    ("1 MB", "count", "1" * BIG, "111", "-11610"),
    ("1 MB", "led volts", "1" * BIG, "111", "-27150"),
    ("1 MB", "led mA", "1" * BIG, "11111", "0.0900009000090001"),
    ("1 MB", "ohm 4", "47" + "0" * (BIG - 2), "47000000", ["Yellow", "Violet", "Blue", "Gold"]),
    ("1 MB", "ohm 5", "47" + "0" * (BIG - 2), "470000000",
     ["Yellow", "Violet", "Black", "Blue", "Brown"]),
    ("RTL and zero-width marks", "supply", "\u200f2\u200b4\u200e", "24", "650"),
    ("RTL and zero-width marks", "count", "\u202b3\u200d\u202c", "3", "270"),
    ("RTL and zero-width marks", "led volts", "\u200f1.8", "1.8", "150"),
    ("RTL and zero-width marks", "led mA", "1\u200c0", "10", "100"),
    ("RTL and zero-width marks", "ohm 4", "\u200f4\u200b70\u200e", "470",
     ["Yellow", "Violet", "Brown", "Gold"]),
    ("RTL and zero-width marks", "ohm 5", "\u200e47\ufeff0", "470",
     ["Yellow", "Violet", "Black", "Black", "Brown"]),
    ("Persian digits", "supply", "۲۴", "24", "650"),
    ("Persian digits", "count", "۳", "3", "270"),
    ("Persian digits", "led volts", "۱٫۸", "1.8", "150"),
    ("Persian digits", "led mA", "١٠", "10", "100"),
    ("Persian digits", "ohm 4", "۴۷۰", "470", ["Yellow", "Violet", "Brown", "Gold"]),
    ("Persian digits", "ohm 5", "٤٧٫٥", "47.5", ["Yellow", "Violet", "Green", "Gold", "Brown"]),
] + [("an empty clipboard", box, "", "", ERROR if BOXES[box][0] == "main" else None)
     for box in BOXES]

# The routes a box offers for a paste. Ctrl+V is refused in the four main
# boxes. The context menu is driven by its English mnemonic.
ROUTES = [
    ("Shift+Insert", FA, lambda box: True),
    ("Ctrl+V", FA, lambda box: BOXES[box][0] != "main"),
    ("middle button", FA, lambda box: True),
    ("context menu", EN, lambda box: True),
]

# A paste into a box that no key has reached since the program started:
# its limit holds all the same. (name, box, clipboard, box text, result)
FRESH_PASTES = [
    ("fresh program: context menu paste into supply", "supply", "1" * BIG, "121", "5500"),
    ("fresh program: context menu paste into led volts", "led volts", "1" * BIG, "2.211", "47.25"),
    ("fresh program: context menu paste into led mA", "led mA", "1" * BIG, "20111", "0.0497240316244841"),
]

# Cases that show a fault not mended yet: (name pattern, the fault). Such a
# case is reported and does not fail the stage; once it passes it does, so
# that its row here goes.
KNOWN_FAULTS = []

# Menus: (name, how, window opened, typed text, bands shown).
MENU_WINDOWS = [
    ("menu by keyboard: 4 Band", "keys", "4", "4700", ["Yellow", "Violet", "Red", "Gold"]),
    ("menu by keyboard: 5 Band", "keys", "5", "4750", ["Yellow", "Violet", "Green", "Brown", "Brown"]),
    ("menu by mouse: 4 Band", "mouse", "4", "10", ["Brown", "Black", "Black", "Gold"]),
    ("menu by mouse: 5 Band", "mouse", "5", "2.2", ["Red", "Red", "Black", "Silver", "Brown"]),
    ("menu by keyboard: About", "keys", "about", None, None),
    ("menu by mouse: About", "mouse", "about", None, None),
]
# Captions that each window shows in each language: (window, role, fa, en).
CAPTIONS = [
    ("main", "push button", "محاسبه", "Calculation"),
    ("main", "label", "ولتاژ منبع تغذيه DC :", "Supply Voltage :"),
    ("main", "radio button", "ولتاژ", "Voltage"),
    ("main", "text", "تعداد LED سري شده (تعداد)", "Count of LEDs in series (pcs.)"),
    ("4", "panel", " مقدار مقاومت ", " Resistor value "),
    ("4", "text", "مقاومت به اهم", "Resistance in Ohm"),
    ("4", "image", "باند 1: قهوه اي", "Band 1: Brown"),
    ("4", "combo box", "1-قهوه اي", "1-Brown"),
    ("5", "panel", " درصد خطاي مقاومت ", " Resistor Tolerance "),
    ("5", "image", "باند 5: قهوه اي", "Band 5: Brown"),
    ("6", "panel", " ضريب دمايي ", " Temperature Coefficient "),
    ("6", "image", "باند 6: قهوه اي", "Band 6: Brown"),
    ("smd", "panel", " کد به مقدار ", " Code to value "),
    ("smd", "label", "4.7 کيلو اهم (سه رقمي)", "4.7 K Ohm (3-digit)"),
    ("finder", "panel", " ترکيب ها ", " Networks "),
    ("finder", "radio button", "حذف اين مقادير :", "Leave out :"),
    ("divider", "radio button", "تقسيم کننده ولتاژ", "Voltage divider"),
    ("divider", "panel", " ورودي ها ", " Inputs "),
    ("array", "panel", " ورودي ها ", " Inputs "),
    ("array", "label", "تعداد LED ها :", "Number of LEDs :"),
]

# The windows beside the designed ones, each driven once in each language:
# (name, how opened, language, typed keys or pasted text per box, what shows).
SIX_BAND = [
    ("6 Band by keyboard: a typed value", "keys", "ohm 6", "4750",
     ["Yellow", "Violet", "Green", "Brown", "Brown", "Brown"]),
    ("6 Band by mouse: a typed value", "mouse", "ohm 6", "1",
     ["Brown", "Black", "Black", "Silver", "Brown", "Brown"]),
]
# The tool windows, each driven through its boxes: (name, how, language, box,
# text typed over the box or None, clipboard or None pasted by Shift+Insert
# into the emptied box, box text, labels shown). The box names its window.
TOOL_CASES = [
    ("SMD by keyboard: an EIA-96 code", "keys", EN, "smd code", "01C", None, "01C",
     ["10 K Ohm (EIA-96)"]),
    ("SMD by mouse: a code with no such index", "mouse", FA, "smd code", "97A", None, "97A",
     ["شماره EIA-96 از 01 تا 96 است."]),
    ("SMD: a value to its codes", "keys", EN, "smd value", "4.75k", None, "4.75k",
     ["no code", "4751", "66B", "= 4.75 K Ohm"]),
    ("SMD: a 1 MB paste cut to four", "keys", EN, "smd code", None, "4" * BIG, "4444",
     ["4.44 M Ohm (4-digit)"]),
    ("SMD: Persian digits pasted", "keys", FA, "smd value", None, "\u200f۴k۷", "4k7",
     ["472", "4701", "بدون کد"]),
    ("Network finder by keyboard: 4k7 is one resistor", "keys", EN, "finder target", "4k7",
     None, "4k7", ["= 4.7 K Ohm  (exact)"]),
    ("Network finder by mouse: an unknown unit", "mouse", EN, "finder target", "4m7", None,
     "4m7", ["Only R, k or M may follow the number."]),
    ("Network finder: Persian digits pasted", "keys", FA, "finder target", None, "\u200f۳k۳",
     "3k3", ["= 3.3 کيلو اهم  (\u202aدقيق\u202c)"]),
    ("Divider by keyboard: Vout above Vin", "keys", EN, "divider vout", "7", None, "7",
     ["Output voltage Vout (V): Vout must be below Vin."]),
    ("Divider by mouse: Persian digits pasted into Vin", "mouse", FA, "divider vin", None,
     "\u200f۱۲٫۵", "12.5", []),
    ("LED array by keyboard: 24 LEDs", "keys", FA, "array count", "24", None, "24",
     ["8 رشته 3 تايي", "144 ميلي آمپر"]),
    ("LED array by mouse: a supply too low for one LED", "mouse", FA, "array supply", "3",
     None, "3", ["ولتاژ منبع حتي براي يک LED کافي نيست: بايد از ولتاژ LED بيشتر باشد."]),
]
# Menu paths: the Persian menu bar runs right to left, so the next menu is
# to the left there. Items: (menu index, item path).
MENU_PATHS = {"4": (0, [0, 0]), "5": (0, [0, 1]), "6": (0, [0, 2]), "smd": (0, [1]),
              "finder": (0, [2]), "divider": (0, [3]), "array": (0, [4]),
              "E24": (0, [5, 2]), "E96": (0, [5, 4]), "fa": (1, [0]), "en": (1, [1]),
              "about": (2, [0])}
MENU_TITLES = [("ابزار", "Tools"), ("زبان", "Language"), ("راهنما", "help")]


# ---------------------------------------------------------------- X side
def run(*args, data=None, check=True):
    result = subprocess.run(args, input=data, capture_output=True, timeout=20)
    if check and result.returncode != 0:
        raise Failure("%s failed: %s" % (" ".join(args[:3]), result.stderr.decode(errors="replace")))
    return result.stdout.decode(errors="replace")


def keys(key_names):
    """Sends `key_names`: key names, and 'quoted text' typed as it stands."""
    names = []
    for token in re.findall(r"'[^']*'|\S+", key_names) + [None]:
        if token is None or token.startswith("'"):
            if names:
                run("xdotool", "key", "--delay", "15", *names)
                names = []
            if token:
                run("xdotool", "type", "--delay", "15", token[1:-1])
        else:
            names.append(token)
    time.sleep(0.03)


def click(x, y, button=1):
    run("xdotool", "mousemove", str(x), str(y), "click", "--delay", "0", str(button))


def visible_windows(pid):
    out = run("xdotool", "search", "--onlyvisible", "--pid", str(pid), check=False)
    return [int(w) for w in out.split()]


def window_geometry(window):
    out = run("xdotool", "getwindowgeometry", str(window))
    x, y = re.search(r"Position: (-?\d+),(-?\d+)", out).groups()
    w, h = re.search(r"Geometry: (\d+)x(\d+)", out).groups()
    return int(x), int(y), int(w), int(h)


def close_window(window):
    """Asks `window` to close as a window manager does: WM_DELETE_WINDOW."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    display = x11.XOpenDisplay(None)
    if not display:
        raise Failure("cannot open the display")
    event = Event()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


class Clipboard:
    """The CLIPBOARD and PRIMARY selections, each served by an xclip."""

    def __init__(self):
        self.servers = {}

    def set(self, selection, text):
        self.drop(selection)
        server = subprocess.Popen(["xclip", "-quiet", "-selection", selection, "-i"],
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        server.stdin.write(text.encode())
        server.stdin.close()
        self.servers[selection] = server
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:  # until xclip owns the selection
            held = subprocess.run(["xclip", "-o", "-selection", selection],
                                  capture_output=True, timeout=20)
            if held.returncode == 0 and held.stdout == text.encode():
                return
            time.sleep(0.02)
        raise Failure("xclip did not take the %s selection" % selection)

    def drop(self, selection):
        server = self.servers.pop(selection, None)
        if server:
            server.kill()
            server.wait()

    def drop_all(self):
        for selection in list(self.servers):
            self.drop(selection)


def screenshot(framebuffer, path):
    """Xvfb's screen (its -fbdir file, XWD, 32 bits a pixel) as a PNG."""
    with open(framebuffer, "rb") as f:
        data = f.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    bytes_per_line, ncolours, little = fields[12], fields[19], fields[6] == 0
    offset = header_size + 12 * ncolours
    rows = bytearray()
    for y in range(height):
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + 4 * width]
        rgb = bytearray(3 * width)
        r, g, b = (2, 1, 0) if little else (1, 2, 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[r::4], line[g::4], line[b::4]
        rows += b"\0" + rgb

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------- program
def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def text_of(node):
    return Atspi.Text.get_text(node, 0, -1)


def centre(node):
    e = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    return e.x + e.width // 2, e.y + e.height // 2


class Program:
    """One run of the program under test, found in the tree by its pid."""

    def __init__(self, path, log):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop("WAYLAND_DISPLAY", None)
        self.process = subprocess.Popen([path], env=env, stdout=log, stderr=log)
        self.language = FA
        self.app = None
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                try:
                    if app and app.get_process_id() == self.process.pid:
                        self.app = app
                except GLib.Error:
                    pass
            if self.app and self.windows():
                return
            if self.process.poll() is not None:
                break
            time.sleep(0.1)
        raise Failure("the program did not show its window (exit status %s)" % self.process.poll())

    def alive(self):
        return self.process.poll() is None

    def windows(self):
        found = []
        for i in range(self.app.get_child_count()):
            child = self.app.get_child_at_index(i)
            if child is not None and showing(child):
                found.append(child)
        return found

    def window(self, key, timeout=3.0):
        title = TITLES[key][self.language]
        return self.wait(lambda: next((w for w in self.windows() if w.get_name() == title), None),
                         timeout, "no window titled %r" % title)

    def find(self, root, role, name, timeout=3.0):
        def search(node):
            for i in range(node.get_child_count()):
                child = node.get_child_at_index(i)
                if child is None or not showing(child):
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
            for i in range(node.get_child_count()):
                child = node.get_child_at_index(i)
                if child is not None and showing(child):
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
            time.sleep(0.05)

    def x_window(self, key):
        """The X window of a top-level window, by its place in the tree."""
        e = Atspi.Component.get_extents(self.window(key), Atspi.CoordType.SCREEN)
        for window in visible_windows(self.process.pid):
            x, y, w, h = window_geometry(window)
            if (x, y, w, h) == (e.x, e.y, e.width, e.height):
                return window
        raise Failure("no X window for %s" % key)

    def dump(self):
        """What every window shows, for a failure's report."""
        lines = []
        for window in self.windows():
            lines.append("  window %r" % window.get_name())
            for node in self.all(window, "text"):
                lines.append("    box %r = %r" % (node.get_name(), clip(text_of(node))))
            for role in ("combo box", "label"):
                names = [node.get_name() for node in self.all(window, role)]
                lines.append("    %ss: %s" % (role, " | ".join(names)))
        return "\n".join(lines)


# ---------------------------------------------------------------- actions
class Session:
    def __init__(self, program_path, out, framebuffer):
        self.program_path, self.out, self.framebuffer = program_path, out, framebuffer
        self.log = open(os.path.join(out, "program.log"), "ab")
        self.clipboard = Clipboard()
        self.program = None
        self.open_window = "main"

    def start(self):
        self.stop()
        self.program = Program(self.program_path, self.log)
        self.open_window = "main"
        self.changed = set()  # main boxes that may not hold their start values

    def recover(self):
        """After a failure: the next case starts from the main window alone,
        with a fresh program if anything else is left on the screen."""
        self.clipboard.drop_all()
        run("setxkbmap", "us")
        p = self.program
        try:
            if p and p.alive():
                expected = 1 + (self.open_window != "main")
                if len(visible_windows(p.process.pid)) == expected:
                    self.close_open_window()
                    if len(visible_windows(p.process.pid)) == 1:
                        return
        except Failure:
            pass
        self.stop()

    def stop(self):
        self.clipboard.drop_all()
        if self.program and self.program.alive():
            self.program.process.kill()
            self.program.process.wait()
        self.program = None

    def focus(self, key):
        run("xdotool", "windowfocus", "--sync", str(self.program.x_window(key)))

    def open(self, key, how="keys"):
        """Opens a colour window or About from the main window's menus."""
        p = self.program
        menu, path = MENU_PATHS[key]
        main = p.window("main")
        if how == "keys":
            self.focus("main")
            keys("alt " + ("Left " if p.language == FA else "Right ") * menu + "Return")
            for item in path:
                keys("Down " * item + "Return")
        else:
            seen = set(visible_windows(p.process.pid))
            click(*centre(p.find(main, "menu item", MENU_TITLES[menu][p.language])))
            for item in path:
                popup = self.popup(seen)
                seen.add(popup)
                x, y, w, h = window_geometry(popup)
                click(x + w // 2, y + 4 + 23 * item + 11)  # items 23 pixels high
        if key in TITLES:
            p.window(key)
            self.open_window = key

    def popup(self, known, timeout=2.0):
        """A window of the program shown since `known` were: a popup menu."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            others = [w for w in visible_windows(self.program.process.pid) if w not in known]
            if others:
                return others[-1]
            time.sleep(0.05)
        raise Failure("no popup menu shown")

    def close_open_window(self):
        if self.open_window != "main":
            self.focus(self.open_window)
            keys("Escape")
            key = self.open_window
            self.open_window = "main"
            self.program.wait(lambda: all(w.get_name() != TITLES[key][self.program.language]
                                          for w in self.program.windows()),
                              3, "Escape left %s open" % key)

    def switch_language(self, language, how="keys"):
        if self.program.language == language:
            return
        self.close_open_window()
        self.open("fa" if language == FA else "en", how)
        self.program.language = language
        self.program.window("main")  # under its new title

    def ready(self, box, language=FA):
        """The program in `language` with the window of `box` open, and every
        main box other than `box` as at start."""
        window = BOXES[box][0] if box in BOXES else box
        if not self.program or not self.program.alive():
            self.start()
        if self.program.language != language:
            self.switch_language(language)
        if self.open_window != window:
            self.close_open_window()
            if window != "main":
                self.open(window)
        if window == "main" and self.changed - {box}:
            self.reset_main()

    def reset_main(self):
        """The resistor mode button writes the start values into the four boxes."""
        p = self.program
        click(*centre(p.find(p.window("main"), "radio button", RESISTOR_MODE[p.language])))
        self.changed = set()

    def box(self, key):
        window, *names = BOXES[key]
        if window == "main":
            self.changed.add(key)
        return self.program.find(self.program.window(window), "text", names[self.program.language])

    def box_text(self, key):
        return text_of(self.box(key))

    def type_over(self, key, text):
        click(*centre(self.box(key)))
        keys("Home shift+End '%s'" % text)
        self.expect_box(key, text, "typing the start text")

    def empty(self, key):
        click(*centre(self.box(key)))
        keys("Home shift+End Delete")
        self.expect_box(key, "", "emptying the box with Home, Shift+End, Delete")

    def expect_box(self, key, expected, what):
        deadline = time.monotonic() + 2.0
        while True:
            shown = self.box_text(key)
            if shown == expected:
                return
            if time.monotonic() > deadline:
                raise Mismatch("%s: the box shows %r, expected %r" % (what, clip(shown), clip(expected)))
            time.sleep(0.05)

    def bands(self, window):
        """The colour window's bands, by the names of their pictures: over
        AT-SPI Qt names a drop-down list by its current item instead."""
        bands = {}
        for strip in self.program.all(self.program.window(window), "image"):
            match = re.match(r"(?:Band|باند) (\d): (.*)", strip.get_name())
            if match:
                bands[int(match.group(1))] = match.group(2)
        return [bands[b] for b in sorted(bands)]

    def calculate(self, expected):
        """Clicks the calculation button; the resistor it shows, or ERROR for
        its message (closed again). Waits for `expected` up to two seconds."""
        p = self.program
        main = p.window("main")
        click(*centre(p.find(main, "push button", CALC_BUTTON[p.language])))
        deadline = time.monotonic() + 2.0
        while True:
            shown = text_of(p.find(main, "text", RESULT_BOX[p.language]))
            if len(p.windows()) > 1:  # the message
                shown = ERROR
            if shown == expected or time.monotonic() > deadline:
                break
            time.sleep(0.05)
        if len(p.windows()) > 1:
            keys("Return")
            p.wait(lambda: len(p.windows()) == 1, 3, "the message stayed open")
        return shown

    def expect_result(self, key, expected):
        if expected is None:
            return
        window = BOXES[key][0]
        if window == "main":
            shown = self.calculate(expected)
        else:
            if self.program.language == FA:
                expected = [COLOURS_FA[c] for c in expected]
            deadline = time.monotonic() + 2.0
            while (shown := self.bands(window)) != expected and time.monotonic() < deadline:
                time.sleep(0.05)
        if shown != expected:
            raise Mismatch("the result is %r, expected %r" % (shown, expected))


def clip(text):
    return text if len(text) <= 40 else "%s... (%d characters)" % (text[:40], len(text))


# ---------------------------------------------------------------- cases
def edit_case(s, box, start, key_names, expected):
    s.ready(box)
    s.type_over(box, start)
    keys(key_names)
    time.sleep(0.1)
    s.expect_box(box, expected, "after %s" % key_names)


def persian_layout_case(s, box, digits, expected_box, expected_result):
    s.ready(box)
    click(*centre(s.box(box)))
    keys("Home shift+End")
    run("setxkbmap", "ir")
    try:
        time.sleep(0.2)  # the program reads the new keyboard map
        keys(" ".join(PERSIAN_KEYS[c] for c in digits))
    finally:
        run("setxkbmap", "us")
    s.expect_box(box, expected_box, "typed on the Persian layout")
    s.expect_result(box, expected_result)


def menu_paste(s, box, clipboard):
    """Paste from the box's context menu, by its English mnemonic."""
    windows = set(visible_windows(s.program.process.pid))
    click(*centre(s.box(box)), button=3)
    menu = s.popup(windows)
    keys("p" if clipboard else "Escape")  # nothing to paste: the item is disabled
    s.program.wait(lambda: menu not in visible_windows(s.program.process.pid), 3,
                   "the context menu stayed open")


def paste_case(s, route, language, box, clipboard, expected_box, expected_result):
    s.ready(box, language)
    s.empty(box)
    if route == "middle button":
        s.clipboard.set("primary", clipboard)
        click(*centre(s.box(box)), button=2)
    else:
        s.clipboard.set("clipboard", clipboard)
        if route == "Shift+Insert":
            keys("shift+Insert")
        elif route == "Ctrl+V":
            keys("ctrl+v")
        else:
            menu_paste(s, box, clipboard)
    time.sleep(0.1)
    s.expect_box(box, expected_box, "after the paste")
    s.expect_result(box, expected_result)


def fresh_paste_case(s, box, clipboard, expected_box, expected_result):
    s.start()
    s.switch_language(EN)
    s.clipboard.set("clipboard", clipboard)
    menu_paste(s, box, clipboard)
    s.expect_box(box, expected_box, "after the paste")
    s.expect_result(box, expected_result)
    s.stop()


def menu_window_case(s, how, key, typed, bands):
    s.ready("main")
    s.open(key, how)
    if typed is not None:
        box = "ohm " + key
        s.type_over(box, typed)
        s.expect_result(box, bands)
    s.focus(key)
    keys("Escape")
    title = TITLES[key][s.program.language]
    s.program.wait(lambda: all(w.get_name() != title for w in s.program.windows()), 3,
                   "Escape left %r open" % title)
    s.open_window = "main"


def captions_case(s, language, how):
    s.ready("main")
    s.switch_language(language, how)
    for key in ("main", "4", "5", "6", "smd", "finder", "divider", "array", "about"):
        if key != "main":
            s.open(key)
        window = s.program.window(key)
        for owner, role, *names in CAPTIONS:
            if owner == key:
                s.program.find(window, role, names[language], timeout=1.0)
        s.close_open_window()


def six_band_case(s, how, box, typed, bands):
    s.ready("main")
    s.open("6", how)
    s.type_over(box, typed)
    s.expect_result(box, bands)
    s.close_open_window()


def tool_case(s, how, language, box, typed, clipboard, expected_box, labels):
    key = BOXES[box][0]
    s.ready("main", language)
    s.open(key, how)
    if typed is not None:
        s.type_over(box, typed)
    else:
        s.empty(box)
        s.clipboard.set("clipboard", clipboard)
        keys("shift+Insert")
    s.expect_box(box, expected_box, "in the %s window" % key)
    window = s.program.window(key)
    for label in labels:
        s.program.find(window, "label", label, timeout=2.0)
    s.close_open_window()


def series_case(s):
    """Tools -> Standard Series -> E96 rewrites the rows of the calculation shown."""
    s.ready("main", EN)
    s.calculate("50")
    s.open("E96")
    main = s.program.window("main")
    s.program.find(main, "label", "51.1 Ohm  (Larger)", timeout=2.0)
    s.program.find(main, "label", "Closest E96 resistor value :", timeout=2.0)
    s.open("E24", "mouse")
    s.program.find(main, "label", "51 Ohm  (Larger)", timeout=2.0)


def close_case(s):
    s.ready("main")
    main = s.program.x_window("main")
    pid = s.program.process.pid
    started = time.monotonic()
    close_window(main)
    try:
        status = s.program.process.wait(timeout=1.0)
    except subprocess.TimeoutExpired:
        raise Failure("the program was still running 1 s after its window closed")
    left = run("xdotool", "search", "--onlyvisible", "--name", ".", check=False).split()
    s.program = None
    if status != 0:
        raise Failure("the program exited with status %d" % status)
    if left:
        raise Failure("windows left on the display: %s" % left)
    print("  closed in %.2f s (pid %d)" % (time.monotonic() - started, pid))


def all_cases():
    cases = [(name, edit_case, row) for name, *row in EDITS]
    cases += [(name, persian_layout_case, row) for name, *row in PERSIAN_LAYOUT]
    for route, language, offered in ROUTES:
        cases += [("paste by %s into %s: %s" % (route, box, kind), paste_case,
                   (route, language, box, clipboard, expected_box, result))
                  for box in BOXES if offered(box)
                  for kind, pasted_into, clipboard, expected_box, result in PASTES
                  if pasted_into == box]
    cases += [(name, fresh_paste_case, row) for name, *row in FRESH_PASTES]
    cases += [(name, menu_window_case, row) for name, *row in MENU_WINDOWS]
    cases += [(name, six_band_case, row) for name, *row in SIX_BAND]
    cases += [(name, tool_case, row) for name, *row in TOOL_CASES]
    cases += [("Tools -> Standard Series -> E96 and back", series_case, ())]
    cases += [("Language menu by keyboard: English captions", captions_case, (EN, "keys")),
              ("Language menu by mouse: Persian captions again", captions_case, (FA, "mouse")),
              ("closing the main window ends the program", close_case, ())]
    return cases


def slug(name):
    return re.sub(r"[^A-Za-z0-9]+", "-", name).strip("-")


def main(argv):
    if len(argv) == 3 and argv[1] == "--close":
        close_window(int(argv[2], 0))
        return 0
    program, out, framebuffer = argv[1:4]
    only = os.environ.get("KALVANE_X11_ONLY")  # a regular expression of case names
    session = Session(program, out, framebuffer)
    passed, failed, known = 0, [], 0
    began = time.monotonic()
    verbose = os.environ.get("KALVANE_X11_VERBOSE")
    for name, case, row in all_cases():
        if only and not re.search(only, name):
            continue
        fault = next((why for pattern, why in KNOWN_FAULTS if re.search(pattern, name)), None)
        try:
            started = time.monotonic()
            case(session, *row)
            if fault:
                raise Failure("passes now; its row in KNOWN_FAULTS can go (%s)" % fault)
            passed += 1
            if verbose:
                print("ok %.2f s %s" % (time.monotonic() - started, name))
        except Exception as error:  # noqa: BLE001 - every failure is reported the same way
            if fault and isinstance(error, Mismatch):
                print("KNOWN FAULT %s\n  %s\n  (%s)" % (name, error, fault))
                known += 1
                session.recover()
                continue
            failed.append(name)
            picture = os.path.join(out, slug(name) + ".png")
            print("FAIL %s\n  %s" % (name, error if isinstance(error, Failure)
                                     else traceback.format_exc().rstrip()))
            try:
                screenshot(framebuffer, picture)
                print("  screen: %s" % picture)
                if session.program and session.program.alive():
                    print(session.program.dump())
            except Exception as dump_error:  # noqa: BLE001
                print("  (nothing more to show: %s)" % dump_error)
            if isinstance(error, Mismatch):
                session.recover()
            else:
                session.stop()  # the next case starts a fresh program
    session.stop()
    print("X11 stage: %d cases in %.0f s" % (passed + len(failed) + known, time.monotonic() - began))
    if known:
        print("%d cases show known faults (KNOWN_FAULTS)" % known)
    print("x11: %d passed, %d failed" % (passed, len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
