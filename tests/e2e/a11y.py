#!/usr/bin/python3
"""Plays the Qt program through its accessibility tree as a screen reader does: AT-SPI on the private D-Bus session
it is started in, the screen read back as play.py does. Usage: dbus-run-session -- /usr/bin/python3 a11y.py PROGRAM"""
import os, re, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from play import Session, Failure, check, wait
import pyatspi
from gi.repository import GLib

PLACES = ["top left", "top centre", "top right", "middle left", "centre", "middle right",
          "bottom left", "bottom centre", "bottom right"]
heard = []  # (event type, text) as assistive technology is told


def pump():
    while GLib.MainContext.default().iteration(False):
        pass
    return True


def names(board):  # the board as 'O', 'X' or '.' per cell, read from the cells' names
    pump()
    marks = {"empty": ".", "O": "O", "X": "X"}
    read = [re.fullmatch(r"(.*), (empty|O|X)", board.getChildAtIndex(i).name) for i in range(9)]
    check(all(read) and [m.group(1) for m in read] == PLACES, "cell names: %s" % [board[i].name for i in range(9)])
    return "".join(marks[m.group(2)] for m in read)


def agree(session, board, expected):  # the names and the screen both show the expected board
    wait(lambda: names(board) == expected, lambda: "names %s, not %s" % (names(board), expected))
    session.expect(expected)


def press(board, cell):
    action = board.getChildAtIndex(cell).queryAction()
    check(action.getName(0) == "Press", "action %s" % action.getName(0))
    action.doAction(0)


def find_board():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "zandor":
            return pyatspi.findDescendant(app, lambda a: a.getRoleName() == "table")


def main():
    # Qt sends the changed object, not its new text: the text is read from it when the event is taken.
    pyatspi.Registry.registerEventListener(lambda e: heard.append(
                                               (e.type, e.source.description if "descr" in e.type else e.source.name)),
                                           "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    session = Session(sys.argv[1])
    try:
        session.start()
        board = wait(lambda: pump() and find_board(), "the board in the accessibility tree", 30)
        check(board.name == "Board" and board.childCount == 9, "board %r with %d children" % (board.name, board.childCount))
        for cell in range(9):  # each cell where the screen shows it: 100 pixels square from the board's corner
            child = board.getChildAtIndex(cell)
            at = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            check(child.getRoleName() == "table cell", "role %s" % child.getRoleName())
            check((at.x, at.y, at.width, at.height) == (session.x + cell % 3 * 100, session.y + cell // 3 * 100,
                                                        100, 100), "cell %d at %s" % (cell, at))
        agree(session, board, ".........")
        # One player: O in the centre, and the computer's answer told as a name change.
        press(board, 4)
        x = wait(lambda: pump() and [v for t, v in heard if t.endswith("name") and v.endswith(", X")], "X's name", 10)
        check(len(x) == 1 and x[0][:-3] in PLACES, "heard %s" % x)
        expected = "".join("O" if i == 4 else "X" if PLACES[i] == x[0][:-3] else "." for i in range(9))
        agree(session, board, expected)
        check("O to move." in board.description, "description %r" % board.description)
        # A taken cell changes nothing: its press is handled before the next one, which must bring one O and one X.
        free = expected.index(".")
        press(board, 4), press(board, free)
        wait(lambda: names(board).count("X") == 2, "the second X", 10)
        after = names(board)
        check(after[4] == "O" and after[free] == "O" and after.count("O") == 2, "after a taken cell: %s" % after)
        session.expect(after)
        # Two players: O wins the top row by presses, X plays by keys; the win is told with its line.
        session.act("alt+f 2")
        agree(session, board, ".........")
        for cell, key, board_after in ((0, "KP_4", "O..X....."), (1, "KP_5", "OO.XX....")):
            press(board, cell), session.act(key)
            agree(session, board, board_after)
        del heard[:]
        press(board, 2)
        wait(lambda: pump() and any("O wins: top row." in v for t, v in heard if t.endswith("description")),
             lambda: "the win told: %s" % heard, 10)
        wait(lambda: board.description == "O wins: top row. New game. X to move.",
             lambda: "description %r" % board.description, 10)
        agree(session, board, ".........")
        print("passed: a11y")
        return 0
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
