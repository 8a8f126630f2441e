#!/usr/bin/python3
"""Plays the Qt program through AT-SPI as a screen reader does: dbus-run-session -- /usr/bin/python3 a11y.py PROGRAM"""
import os, re, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from play import Session, check, wait
import pyatspi
from gi.repository import GLib

PLACES = ["top left", "top centre", "top right", "middle left", "centre", "middle right",
          "bottom left", "bottom centre", "bottom right"]
heard = []  # (event type, text) as assistive technology is told


def names(board):  # takes the events that came in; the board as 'O', 'X' or '.' per cell, from the cells' names
    while GLib.MainContext.default().iteration(False):
        pass
    read = [re.fullmatch(r"(.*), (empty|O|X)", board[i].name) for i in range(9)] if board else []
    check(all(read) and [m.group(1) for m in read] == PLACES[:len(read)], "names: %s" % [r.string for r in read])
    return "".join(m.group(2)[0].replace("e", ".") for m in read)


def agree(session, board, expected):  # the names and the screen both show the expected board
    wait(lambda: names(board) == expected, lambda: "names %s, not %s" % (names(board), expected))
    session.expect(expected)


def press(board, *cells):
    for action in (board[cell].queryAction() for cell in cells):
        check(action.getName(0) == "Press" and action.doAction(0), "action %s" % action.getName(0))


def play(session):
    apps = lambda: [app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "zandor"]
    board = wait(lambda: names(None) == "" and apps() and pyatspi.findDescendant(
        apps()[0], lambda a: a.getRoleName() == "table"), "the board in the accessibility tree", 30)
    check(board.name == "Board" and board.childCount == 9, "board %r of %d" % (board.name, board.childCount))
    for cell in range(9):  # each a table cell where the screen shows it: 100 pixels square from the board's corner
        at, role = board[cell].queryComponent().getExtents(pyatspi.DESKTOP_COORDS), board[cell].getRoleName()
        check((role, at.x - session.x, at.y - session.y, at.width, at.height) ==
              ("table cell", cell % 3 * 100, cell // 3 * 100, 100, 100), "cell %d: %s at %s" % (cell, role, at))
    agree(session, board, ".........")
    # One player: O in the centre, and the computer's answer told as a name change.
    press(board, 4)
    x = wait(lambda: names(board) and [v for t, v in heard if t.endswith("name") and v.endswith(", X")], "X's name")
    check(len(x) == 1 and x[0][:-3] in PLACES, "heard %s" % x)
    agree(session, board, "".join("O" if i == 4 else "X" if PLACES[i] == x[0][:-3] else "." for i in range(9)))
    # A taken cell changes nothing: presses run in order, so once the next one's answer is there, it has run.
    free = names(board).index(".")
    press(board, 4, free)
    after = wait(lambda: (lambda b: b.count("X") == 2 and b)(names(board)), "the second X")
    check(after[4] == after[free] == "O" and after.count("O") == 2, "after a taken cell: %s" % after)
    # Two players, chosen by the menu item's own action: O wins the top row by presses, X plays by keys.
    pyatspi.findDescendant(board.getApplication(), lambda a: a.name == "2 Player").queryAction().doAction(0)
    agree(session, board, ".........")
    for cell, key, shown in ((0, "KP_4", "O..X....."), (1, "KP_5", "OO.XX....")):
        press(board, cell), session.act(key), agree(session, board, shown)
    press(board, 2)
    wait(lambda: names(board) and any("O wins: top row." in v for t, v in heard if t.endswith("description")), str(heard))
    wait(lambda: board.description == "O wins: top row. New game. X to move.", lambda: board.description)
    agree(session, board, ".........")


if __name__ == "__main__":
    # Qt sends the changed object, not its new text: the text is read from it when the event is taken.
    pyatspi.Registry.registerEventListener(lambda e: heard.append(
        (e.type, e.source.description if "descr" in e.type else e.source.name)),
        "object:property-change:accessible-name", "object:property-change:accessible-description")
    session = Session(1)
    try:
        sys.exit(session.start(sys.argv[1]) or play(session) or print("passed: a11y") or 0)
    except AssertionError as failure:
        sys.exit(print("FAIL:", failure) or 1)
    finally:
        session.close()
