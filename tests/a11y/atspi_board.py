#!/usr/bin/python3
"""Reads the running game over AT-SPI, as a screen reader does: finds the
menu window by its name, opens puzzle 1 with the keyboard, reads the board's
grid as a table of named squares, presses keys that mark squares and hears
the squares' names change. Keys go through XTest, like a real keyboard.

Run inside a virtual display and a private session bus (see run.sh):
    atspi_board.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
KEYS = {"Tab": 0xFF09, "Return": 0xFF0D, "Right": 0xFF53, "Down": 0xFF54, "space": 0x20,
        "x": 0x78, "o": 0x6F}
failures = []
heard = []  # names announced by name-change, focus and checked events


def hear(event):
    try:
        heard.append((event.type, event.source.name))
    except Exception:
        pass


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes under us while windows open
            found = None
        if found:
            return found
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.1)
    check(False, "found " + what)
    return None


def press(name):
    pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_SYM)
    time.sleep(0.15)


def game_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "zentrivo":
            return app
    return None


def window(app, name):
    for w in app:
        if w is not None and w.name == name:
            return w
    return None


def find_role(node, role):
    if node.getRole() == role:
        return node
    for child in node:
        if child is not None:
            hit = find_role(child, role)
            if hit is not None:
                return hit
    return None


def focus_x_window(title):
    """There is no window manager: give the window the input focus."""
    ids = subprocess.run(["xdotool", "search", "--name", "^" + title + "$"],
                         capture_output=True, text=True).stdout.split()
    for wid in ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=False)
    time.sleep(0.3)
    return bool(ids)


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("QT_QPA_PLATFORM", None)
    home = tempfile.mkdtemp()
    pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-name",
                                           "object:state-changed:focused",
                                           "object:state-changed:checked")
    game = subprocess.Popen([PROGRAM], env=env, cwd=home)
    try:
        app = wait_for(game_app, "the game on the accessibility bus")
        if app is None:
            return
        menu = wait_for(lambda: window(app, "Zentrivo 2.0"), "the menu window by its name")
        if menu is None:
            return
        check(menu.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW),
              "the menu is a window (%s)" % menu.getRoleName())
        check(focus_x_window("Zentrivo 2.0"), "the menu's X window")
        press("Tab")     # from the instructions to "#1 - Conferences"
        press("Return")  # pressed by Return
        title = "Zentrivo 2.0 - #1 - Conferences"
        board = wait_for(lambda: window(app, title), "the board window by its name")
        if board is None:
            return
        focus_x_window(title)
        grid = wait_for(lambda: find_role(board, pyatspi.ROLE_TABLE), "the grid as a table")
        if grid is None:
            return
        table = grid.queryTable()
        check(table.nRows == 15 and table.nColumns == 15,
              "15 x 15 table (%d x %d)" % (table.nRows, table.nColumns))
        check(grid.childCount == 150, "150 squares (%d)" % grid.childCount)
        first = table.getAccessibleAt(0, 0)
        check(first.name == "1st Floor, Ballroom: blank", "first square: " + first.name)
        check(first.getRole() == pyatspi.ROLE_LIST_ITEM,
              "a square reads alone, as a list item (%s)" % first.getRoleName())
        header = table.getColumnHeader(1)
        check(header is not None and header.name == "Boardroom",
              "column 2 header: " + (header.name if header else "none"))
        check(table.getRowDescription(5) == "8:00 a.m.",
              "row 6 description: " + table.getRowDescription(5))
        check(table.getAccessibleAt(5, 10) is None, "no square where the staircase has none")

        for _ in range(6):  # past the six buttons to the grid
            press("Tab")
        press("x")
        name = lambda r, c: table.getAccessibleAt(r, c).name
        check(wait_for(lambda: name(0, 0) == "1st Floor, Ballroom: X", "the X heard", 5)
              is not None, "X key marks the focus square: " + name(0, 0))
        press("Right")
        press("o")
        check(wait_for(lambda: name(0, 1) == "1st Floor, Boardroom: O", "the O heard", 5)
              is not None, "Right, then O: " + name(0, 1))
        focused = table.getAccessibleAt(0, 1).getState().contains(pyatspi.STATE_FOCUSED)
        check(focused, "the focus square is the focused cell")
        said = lambda kind, text: any(t.startswith(kind) and n == text for t, n in heard)
        check(wait_for(lambda: said("object:property-change:accessible-name",
                                    "1st Floor, Boardroom: O"), "the name change", 5)
              is not None, "the new mark is announced by a name-change event")
        check(wait_for(lambda: said("object:state-changed:focused", "1st Floor, Boardroom: blank")
                       or said("object:state-changed:focused", "1st Floor, Boardroom: O"),
                       "the focus event", 5) is not None,
              "the focus square's move is announced")

        # The clues, next in the tab chain: a list of clues, the framed one
        # focused; Down frames the second, Space crosses it off.
        press("Tab")
        clues = wait_for(lambda: find_role(board, pyatspi.ROLE_LIST), "the clues as a list")
        if clues is None:
            return
        check(clues.name == "Clues" and clues.childCount == 7,
              "Clues list of 7 items (%s, %d)" % (clues.name, clues.childCount))
        second = clues.getChildAtIndex(1)
        check(second.getRole() == pyatspi.ROLE_LIST_ITEM and
              second.name.startswith("The teachers met in the Gallery"), "clue 2: " + second.name)
        press("Down")
        check(wait_for(lambda: said("object:state-changed:focused", second.name), "clue 2's focus",
                       5) is not None, "Down moves the focus to clue 2")
        press("space")
        check(wait_for(lambda: said("object:state-changed:checked", second.name), "the check", 5)
              is not None and second.getState().contains(pyatspi.STATE_CHECKED),
              "Space crosses clue 2 off: checked, and told")
    finally:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()


main()
print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
sys.exit(1 if failures else 0)
