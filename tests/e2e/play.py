#!/usr/bin/env python3
"""Plays the Qt program, or zandor.exe under Wine, on an X server of its own with xdotool and reads the screen.

Usage: play.py PROGRAM two_players|computer   (an .exe runs under Wine, in the caller's WINEPREFIX and DISPLAY)
"""
import os
import subprocess
import sys
import tempfile
import time

RED = (255, 0, 0)


class Failure(Exception):
    pass


class Session:
    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="zandor-play-")
        self.env, self.xvfb, self.app = dict(os.environ, XDG_RUNTIME_DIR=self.tmp, QT_QPA_PLATFORM="xcb"), None, None

    def start(self, program):
        wine = program.endswith(".exe")
        if not wine:  # Wine keeps to the display its server started on: the caller's
            read_fd, write_fd = os.pipe()  # -displayfd picks a free display, so sessions can run side by side
            self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "640x480x24",
                                          "-nolisten", "tcp"], pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
            os.close(write_fd)
            with os.fdopen(read_fd) as pipe:
                self.env["DISPLAY"] = ":" + pipe.readline().strip()
        self.run("numlockx", "on")
        # A copy of its own, so the log it may write beside itself stays in this session.
        copy = os.path.join(self.tmp, os.path.basename(program))
        subprocess.run(["cp", program, copy], check=True)
        self.log = open(os.path.join(self.tmp, "output"), "w+")
        command = ["/usr/lib/wine/wine64", copy] if wine else [copy]
        self.app = subprocess.Popen(command, env=self.env, stdout=self.log, stderr=subprocess.STDOUT)

        def window():
            if self.app.poll() is not None:
                raise Failure("the program ended with %d: %s" % (self.app.returncode, self.output()))
            return self.run("xdotool", "search", "--onlyvisible", "--name", r"^Zandor \[", check=False)
        self.window = wait(window, "the window", 90).split()[0]
        wait(lambda: self.run("xdotool", "windowfocus", "--sync", self.window, check=False) is not None, "focus")
        geometry = dict(line.split("=") for line in self.run("xdotool", "getwindowgeometry", "--shell",
                                                                 self.window).split())
        # The X window holds the menu bar and the 302 x 340 client area, the board at its top left.
        self.x, self.y = int(geometry["X"]), int(geometry["Y"]) + int(geometry["HEIGHT"]) - 340
        width, height = map(int, self.run("xdotool", "getdisplaygeometry").split())
        if abs(self.x + 151 - width // 2) > 4 or abs(self.y + 170 - height // 2) > 40:
            raise Failure("the window is not centred: board at %d, %d" % (self.x, self.y))

    def close(self):
        for process in filter(None, (self.app, self.xvfb)):
            if process.poll() is None:
                process.kill()
                process.wait()
        subprocess.run(["rm", "-rf", self.tmp])

    def run(self, *args, check=True):
        done = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)
        if done.returncode and check:
            raise Failure("%s: %s" % (" ".join(args), done.stderr))
        return done.stdout if done.returncode == 0 else None

    def output(self):
        self.log.seek(0)
        return self.log.read()[-2000:]

    def caption(self):
        return self.run("xdotool", "getwindowname", self.window).strip()

    def act(self, what):
        """Clicks "cell N [button]", or presses each key named, giving a menu time to open."""
        words = what.split()
        if words[0] == "cell":
            x, y = self.x + int(words[1]) % 3 * 100 + 50, self.y + int(words[1]) // 3 * 100 + 50
            button = words[2] if len(words) > 2 else "1"
            self.run("xdotool", "mousemove", str(x), str(y), "sleep", "0.05", "click", button)
            return
        for key in words:
            self.run("xdotool", "key", key)
            time.sleep(0.2)

    def shot(self):
        started = time.monotonic()
        raw = subprocess.run(["import", "-silent", "-window", "root", "-crop", "300x300+%d+%d" % (self.x, self.y),
                              "-depth", "8", "rgb:-"], env=self.env, check=True, capture_output=True, timeout=30).stdout
        return Shot(raw, started, time.monotonic())


class Shot:
    def __init__(self, raw, started, ended):
        self.raw, self.started, self.ended = raw, started, ended

    def pixel(self, x, y):
        return tuple(self.raw[(y * 300 + x) * 3:(y * 300 + x) * 3 + 3])

    def red(self, x, y):
        r, g, b = self.pixel(x, y)
        return r > 140 and g < 90 and b < 90

    def mark(self, cell):
        """'X' where the middle of the sprite is red, 'O' where only its ring is, '.' for no mark."""
        left, top = cell % 3 * 100 + 20, cell // 3 * 100 + 18
        if sum(self.red(x, y) for y in range(top, top + 72, 2) for x in range(left, left + 64, 2)) < 100:
            return "."
        return "X" if sum(self.red(left + 30 + dx, top + 35 + dy) for dx in range(5) for dy in range(5)) > 12 else "O"

    def board(self):
        return "".join(self.mark(cell) for cell in range(9))

    def struck(self, x, y):
        return all(self.pixel(x + dx, y) == RED for dx in (-1, 0, 1))


def wait(probe, what, seconds=10.0):
    """Polls until probe gives something true; no screen is ever judged once right after an input."""
    deadline = time.monotonic() + seconds
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def expect(session, board, caption=None, seconds=5.0):
    def seen():
        shot = session.shot()
        return shot if shot.board() == board and (caption is None or session.caption() == caption) else None
    try:
        return wait(seen, "board %s %s" % (board, caption or ""), seconds)
    except Failure as failure:
        raise Failure("%s; the screen shows %s, caption %s" % (failure, session.shot().board(), session.caption()))


# Two people share the machine: each step's input, then the board it must bring.
TWO_PLAYERS = [
    ("alt+f 2", "........."),  # the File menu by its access keys, before any click
    ("KP_7", "X........"),  # keypad digit, reaching the board without a click
    ("cell 4 3", "X...O...."),  # any mouse button places O
    ("alt+Prior", "X.X.O...."),  # Alt with a navigation key places X as the plain key would
    ("cell 3", "X.XOO...."),
    ("ctrl+End", "X.XOO.X.."),
]
NEW_MATCH = [  # each F2 with a modifier clears the board that the step before it left
    ("alt+F2", "........."), ("Home", "X........"), ("ctrl+F2", "........."), ("cell 0", "O........"),
    ("shift+F2", "........."),
]


def two_players(session):
    expect(session, ".........", "Zandor [O:0; X:0]")
    for what, board in TWO_PLAYERS:
        session.act(what)
        expect(session, board)
    session.act("cell 5")  # O completes the middle row: struck in red and held a second, score unchanged
    held = wait(lambda: (lambda s: s if s.struck(150, 150) else None)(session.shot()), "the strike line", 0.9)
    if held.board() != "X.XOOOX.." or session.caption() != "Zandor [O:0; X:0]":
        raise Failure("during the hold: " + held.board() + " " + session.caption())
    after = expect(session, ".........", "Zandor [O:1; X:0]")
    if after.ended - held.started <= 0.7:
        raise Failure("the hold was shorter than a second")
    session.act("KP_5")  # the loser opens the next game
    expect(session, "....X....")
    for what, board in NEW_MATCH:
        session.act(what)
        expect(session, board, "Zandor [O:0; X:0]")


def computer(session):
    # Screenshots bound the moment the X appears from both sides; a busy machine may deliver the click late,
    # which widens the upper bound but is no part of the think time.
    early_slack, late_slack = 0.05, 0.15
    for menu, corners in (("alt+d i", [4]), ("alt+d n", [0, 2, 6, 8])):
        session.act(menu)
        for cell in corners:
            session.act("F2")
            expect(session, ".........", "Zandor [O:0; X:0]")
            session.shot()  # warm up, so the first timed shot is not slower than the rest
            sent = time.monotonic()
            session.act("cell %d" % cell)
            released, last_without = time.monotonic(), None
            while "X" not in (shot := session.shot()).board():
                last_without = shot
                if shot.started - released > 2.0:
                    raise Failure("no answer to O on %d" % cell)
            earliest, latest = (last_without.started if last_without else released) - released, shot.ended - sent
            board = shot.board()
            print("answer to %d after %.3f to %.3f s: %s" % (cell, earliest, latest, board))
            if latest < 0.3 - early_slack or earliest > 0.5 + late_slack:
                raise Failure("think time outside 0.3 to 0.5 s")
            if board.count("X") != 1 or board.count("O") != 1 or board[cell] != "O":
                raise Failure("one X answers one O: " + board)
            if menu == "alt+d n" and board[4] != "X":
                raise Failure("Nerd God answers a corner in the centre: " + board)
            time.sleep(0.6)
            if session.shot().board() != board:
                raise Failure("a second X appeared")


def main():
    program, scenario = sys.argv[1], sys.argv[2]
    session = Session()
    try:
        session.start(program)
        {"two_players": two_players, "computer": computer}[scenario](session)
        # E&xit ends the program; Windows' own Alt+F4 must still close it, although the game sees Alt keys.
        session.act("alt+F4" if scenario == "two_players" and program.endswith(".exe") else "alt+f x")
        code = session.app.wait(15)
        if code != 0:
            raise Failure("Exit ended the program with %d" % code)
    except (Failure, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure)
        return 1
    finally:
        session.close()
    print("passed:", scenario)
    return 0


if __name__ == "__main__":
    sys.exit(main())
