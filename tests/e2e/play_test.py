#!/usr/bin/env python3
"""Plays the real program as a person does, on a private X server, and checks what the screen shows."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

BOARD = 300
RED = (255, 0, 0)
# Where a mark's sprite sits within its cell, and a pixel inside each shape: the crossing of an X
# is red, the middle of an O is the board showing through its hole.
SPRITE_LEFT, SPRITE_TOP = 20, 18
SPRITE_CENTRE = (33, 37)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Session:
    """One X server with the program on it."""

    def __init__(self, program):
        self.tmp = tempfile.mkdtemp(prefix="zandor-e2e-")
        read_fd, write_fd = os.pipe()
        # -displayfd picks a free display number, so sessions can run side by side.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "420x420x24", "-noreset", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        check(number.isdigit(), "Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, XDG_RUNTIME_DIR=self.tmp, QT_QPA_PLATFORM="xcb")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.run("numlockx", "on")
        # A copy of its own, so any file the program writes beside itself stays in this session.
        copy = os.path.join(self.tmp, "zandor")
        shutil.copy(program, copy)
        self.app = subprocess.Popen([copy], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = self.run("xdotool", "search", "--sync", "--onlyvisible", "--name", r"^Zandor \[").split()[0]
        info = self.run("xwininfo", "-id", self.window)
        x = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
        y = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
        height = int(re.search(r"Height:\s+(\d+)", info).group(1))
        # The client area is 302 x 340 under the menu bar; the board is its top left.
        self.board_x, self.board_y = x, y + height - 340
        self.run("xdotool", "windowfocus", "--sync", self.window)

    def close(self):
        for process in (self.app, self.xvfb):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def run(self, *args):
        return subprocess.run(args, env=self.env, check=True, capture_output=True, text=True, timeout=20).stdout

    def caption(self):
        return self.run("xdotool", "getwindowname", self.window).strip()

    def click(self, cell):
        x = self.board_x + cell % 3 * 100 + 50
        y = self.board_y + cell // 3 * 100 + 50
        self.run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def keys(self, *names):
        self.run("xdotool", "key", "--clearmodifiers", *names)

    def menu(self, menu_key, item_key):
        self.keys("alt+" + menu_key)
        time.sleep(0.15)  # the menu opens
        self.keys(item_key)
        time.sleep(0.15)

    def screen(self):
        """The board as a grid of RGB triples, with the moment it was taken."""
        started = time.monotonic()
        raw = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                             check=True, capture_output=True, timeout=20).stdout
        return Shot(raw, 420, self.board_x, self.board_y, started, time.monotonic())


class Shot:
    def __init__(self, raw, width, left, top, started, ended):
        self.raw, self.width, self.left, self.top = raw, width, left, top
        self.started, self.ended = started, ended

    def pixel(self, x, y):
        i = ((self.top + y) * self.width + self.left + x) * 3
        return tuple(self.raw[i:i + 3])

    def red_count(self, cell):
        cx, cy = cell % 3 * 100 + SPRITE_LEFT, cell // 3 * 100 + SPRITE_TOP
        count = 0
        for y in range(cy, cy + 72, 2):
            for x in range(cx, cx + 64, 2):
                r, g, b = self.pixel(x, y)
                count += r > 140 and g < 90 and b < 90
        return count

    def mark(self, cell):
        """'O', 'X' or '.' for what the cell shows."""
        if self.red_count(cell) < 100:
            return "."
        r, g, b = self.pixel(cell % 3 * 100 + SPRITE_LEFT + SPRITE_CENTRE[0],
                             cell // 3 * 100 + SPRITE_TOP + SPRITE_CENTRE[1])
        return "X" if r > 140 and g < 90 and b < 90 else "O"

    def board(self):
        return "".join(self.mark(cell) for cell in range(9))

    def struck(self, x, y):
        """Pure red on the strike line's path around (x, y)."""
        return all(self.pixel(x + dx, y) == RED for dx in (-1, 0, 1))


def wait_for(session, predicate, seconds, what):
    deadline = time.monotonic() + seconds
    while True:
        shot = session.screen()
        if predicate(shot):
            return shot
        check(time.monotonic() < deadline, "timed out waiting for " + what + "; board " + shot.board())


def two_players(session):
    check(session.caption() == "Zandor [O:0; X:0]", "first caption: " + session.caption())
    check(session.screen().board() == ".........", "board not empty at start")
    session.menu("f", "2")
    session.click(4)
    check(session.screen().board() == "....O....", "click on the centre: " + session.screen().board())
    session.keys("7")  # top-row digits are not cell keys
    session.keys("KP_Home")
    check(session.screen().board() == "X...O....", "keypad Home places X top left")
    session.keys("KP_Home")  # taken: refused
    session.click(3)
    session.keys("KP_Prior")
    check(session.screen().board() == "X.XOO....", "O left, X top right: " + session.screen().board())
    session.click(5)  # O completes the middle row
    held = wait_for(session, lambda s: s.struck(150, 150), 0.8, "the strike line")
    check(held.board() == "X.XOOO...", "finished board during the hold: " + held.board())
    check(session.caption() == "Zandor [O:0; X:0]", "caption changed during the hold")
    after = wait_for(session, lambda s: s.board() == "........." and not s.struck(150, 150), 2.0, "the next game")
    check(after.ended - held.started > 0.7, "the hold was shorter than a second")
    check(session.caption() == "Zandor [O:1; X:0]", "caption after O's win: " + session.caption())
    # O won, so X opens the next game from the keypad; F2 then starts a new match.
    session.keys("KP_Begin")
    check(session.screen().board() == "....X....", "keypad centre opens the next game")
    session.keys("F2")
    check(session.screen().board() == ".........", "F2 clears the board")
    check(session.caption() == "Zandor [O:0; X:0]", "F2 resets the score")


def answer_to(session, cell, before):
    """Clicks a cell and watches for the computer's reply; returns the new board and its delay bounds."""
    session.screen()  # warm up, so the first timed shot is not slower than the rest
    sent = time.monotonic()
    session.click(cell)
    released = time.monotonic()
    last_without = None
    while True:
        shot = session.screen()
        board = shot.board()
        if board.count("X") > before.count("X"):
            break
        last_without = shot
        check(shot.started - released < 2.0, "no answer to a click on %d" % cell)
    earliest = (last_without.started if last_without else released) - released
    latest = shot.ended - sent
    return board, earliest, latest


def computer(session):
    # Screenshots bound the moment the X appears from both sides; a busy machine may also deliver the
    # click a little late, which adds to the upper bound but is no part of the think time.
    early_slack, late_slack = 0.05, 0.15
    for level_key, corners in (("i", [4]), ("n", [0, 2, 6, 8])):
        session.menu("d", level_key)
        for cell in corners:
            session.keys("F2")
            check(session.screen().board() == ".........", "empty board after F2")
            board, earliest, latest = answer_to(session, cell, ".........")
            check(board.count("X") == 1 and board.count("O") == 1 and board[cell] == "O",
                  "one X answers one O: " + board)
            check(latest >= 0.3 - early_slack and earliest <= 0.5 + late_slack,
                  "think time outside 0.3 to 0.5 s: seen between %.3f and %.3f s" % (earliest, latest))
            print("answer to %d after %.3f to %.3f s" % (cell, earliest, latest))
            if level_key == "n":
                check(board[4] == "X", "level 5 answers a corner in the centre: " + board)
            time.sleep(0.6)  # nothing more comes
            check(session.screen().board() == board, "a second X appeared")


def main():
    program, scenario = sys.argv[1], sys.argv[2]
    session = Session(program)
    try:
        {"two_players": two_players, "computer": computer}[scenario](session)
        check(session.app.poll() is None, "the program ended by itself")
        session.menu("f", "x")
        session.app.wait(5)
        check(session.app.returncode == 0, "Exit ended the program with %d" % session.app.returncode)
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    finally:
        session.close()
    print("passed:", scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
