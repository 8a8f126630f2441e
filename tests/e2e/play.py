#!/usr/bin/env python3
"""Plays the Qt program, or zandor.exe under Wine, with xdotool as a person does and reads the screen back.
Usage: play.py PROGRAM two_players|computer. The Qt program gets an Xvfb of its own; an .exe runs under Wine
in the caller's WINEPREFIX and DISPLAY, since Wine keeps to the display its server started on."""
import os, random, shutil, subprocess, sys, tempfile, time


class Failure(Exception): pass


def check(ok, message):
    if not ok:
        raise Failure(message)


def wait(probe, what, seconds=10.0):  # polls: no screen is judged once right after an input
    deadline = time.monotonic() + seconds
    while not (result := probe()):
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.05)
    return result


class Session:
    def __init__(self, program):
        self.tmp = tempfile.mkdtemp(prefix="zandor-play-")
        self.env, self.xvfb, self.app = dict(os.environ, XDG_RUNTIME_DIR=self.tmp, QT_QPA_PLATFORM="xcb"), None, None
        self.program, self.wine = program, program.endswith(".exe")

    def start(self):
        copy = shutil.copy(self.program, self.tmp)  # so the log it may write beside itself stays in this session
        for attempt in range(3):  # again if another X server took the number, or Wine's desktop missed its deadline
            if not self.wine:
                taken = open("/proc/net/unix").read()  # listening X servers, even those whose lock file is gone
                number = next(n for n in range(random.randrange(100, 900), 1000) if "X11-unix/X%d\n" % n not in taken)
                self.xvfb = subprocess.Popen(["Xvfb", ":%d" % number, "-displayfd", "1", "-screen", "0", "640x480x24",
                                              "-nolisten", "tcp"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                             text=True)  # it tells the number when it is ready
                self.env["DISPLAY"] = ":" + self.xvfb.stdout.readline().strip()
            self.app = subprocess.Popen(["/usr/lib/wine/wine64", copy] if self.wine else [copy], env=self.env)
            try:
                self.run("numlockx", "on")
                self.window = wait(lambda: check(self.app.poll() is None, "the program ended") or self.run(
                    "xdotool", "search", "--onlyvisible", "--name", r"^Zandor \[", must=False), "the window", 90).split()[0]
                break
            except Failure:
                if attempt == 2 or self.app.poll() is None:
                    raise
                self.xvfb and (self.xvfb.terminate(), self.xvfb.wait())  # Wine keeps the caller's display
        wait(lambda: self.run("xdotool", "windowfocus", "--sync", self.window, must=False) is not None, "focus")
        at = dict(line.split("=") for line in self.run("xdotool", "getwindowgeometry", "--shell", self.window).split())
        # The X window holds the menu bar over the 302 x 340 client area, the board at its top left.
        self.x, self.y = int(at["X"]), int(at["Y"]) + int(at["HEIGHT"]) - 340
        width, height = map(int, self.run("xdotool", "getdisplaygeometry").split())
        check(abs(self.x + 151 - width // 2) <= 4 and abs(self.y + 170 - height // 2) <= 40, "not centred")

    def close(self):
        for process in filter(None, (self.app, self.xvfb)):
            process.terminate()  # lets Xvfb remove its lock and socket; nothing when it has ended already
            process.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def run(self, *args, must=True):
        done = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)
        check(done.returncode == 0 or not must, "%s: %s" % (" ".join(args), done.stderr))
        return done.stdout if done.returncode == 0 else None

    def act(self, what):  # clicks "cell N [button]", or presses each key named, giving a menu time to open
        words = what.split()
        if words[:1] == ["cell"]:
            x, y = self.x + int(words[1]) % 3 * 100 + 50, self.y + int(words[1]) // 3 * 100 + 50
            return self.run("xdotool", "mousemove", str(x), str(y), "sleep", "0.05", "click", (words + ["1"])[2])
        for key in words:
            self.run("xdotool", "key", key)
            time.sleep(0.2)

    def shot(self):  # the board as 'O', 'X' or '.' per cell, when the shot began and ended, a pixel reader
        started = time.monotonic()
        raw = subprocess.run(["import", "-silent", "-window", "root", "-crop", "300x300+%d+%d" % (self.x, self.y),
                              "-depth", "8", "rgb:-"], env=self.env, check=True, capture_output=True, timeout=30).stdout
        pixel = lambda x, y: tuple(raw[(y * 300 + x) * 3:(y * 300 + x) * 3 + 3])
        red = lambda x, y: (lambda r, g, b: r > 140 and g < 90 and b < 90)(*pixel(x, y))

        def mark(cell):  # an X is red across its middle, an O only around it
            left, top = cell % 3 * 100 + 20, cell // 3 * 100 + 18
            if sum(red(x, y) for y in range(top, top + 72, 2) for x in range(left, left + 64, 2)) < 100:
                return "."
            return "X" if sum(red(left + 30 + d % 5, top + 35 + d // 5) for d in range(25)) > 12 else "O"
        return "".join(map(mark, range(9))), started, time.monotonic(), pixel

    def expect(self, board, caption=None, struck=False):
        def seen():  # the caption first: it changes only after the board has
            self.caption, self.seen = self.run("xdotool", "getwindowname", self.window).strip(), self.shot()
            red = all(self.seen[3](150 + dx, 150) == (255, 0, 0) for dx in (-1, 0, 1))  # across the middle row
            return self.seen if self.seen[0] == board and caption in (None, self.caption) and red >= struck else None
        return wait(seen, lambda: "%s %s; the screen shows %s %s" % (board, caption, self.seen[0], self.caption))


# Two people share the machine: each input, then the board and the caption (None: any) it must bring.
TWO_PLAYERS = [
    ("alt+f 2", ".........", "Zandor [O:0; X:0]"),  # the File menu by its access keys, before any click
    ("KP_7", "X........", None),  # a keypad digit reaches the board without a click
    ("cell 4 3", "X...O....", None),  # any mouse button places O
    ("alt+Prior", "X.X.O....", None),  # Alt with a navigation key places X as the plain key would
    ("cell 3", "X.XOO....", None), ("ctrl+End", "X.XOO.X..", None),
    ("cell 5", "X.XOOOX..", "Zandor [O:0; X:0]"),  # O's win: struck in red, held a second, then counted
    ("", ".........", "Zandor [O:1; X:0]"), ("KP_5", "....X....", None),  # the loser opens the next game
    ("alt+F2", ".........", "Zandor [O:0; X:0]"),  # F2 with any modifier clears what the step before left
    ("Home", "X........", None), ("ctrl+F2", ".........", "Zandor [O:0; X:0]"),
    ("cell 0", "O........", None), ("shift+F2", ".........", "Zandor [O:0; X:0]"),
]


def two_players(session):
    won = None
    for what, board, caption in TWO_PLAYERS:
        won = time.monotonic() if what == "cell 5" else won
        session.act(what)
        shot = session.expect(board, caption, struck=what == "cell 5")
        check(what != "" or shot[2] - won > 0.9, "the hold was shorter than a second")


def computer(session):
    # Screenshots bound the moment the X appears from both sides; a busy machine may deliver the click late,
    # which widens the upper bound but is no part of the think time: 0.05 s slack early, 0.15 s late.
    for menu, corners in (("alt+d i", [4]), ("alt+d n", [0, 2, 6, 8])):
        session.act(menu)
        for cell in corners:
            session.act("F2")
            session.expect(".........", "Zandor [O:0; X:0]")
            session.shot()  # warm up, so the first timed shot is not slower than the rest
            sent = time.monotonic()
            session.act("cell %d" % cell)
            released, last_without = time.monotonic(), None
            while "X" not in (shot := session.shot())[0]:
                last_without = shot
                check(shot[1] - released < 2.0, "no answer to O on %d" % cell)
            board, earliest, latest = shot[0], (last_without or [0, released])[1] - released, shot[2] - sent
            check(latest >= 0.3 - 0.05 and earliest <= 0.5 + 0.15,
                  "think time outside 0.3 to 0.5 s: seen between %.3f and %.3f s" % (earliest, latest))
            check(board.count("X") == 1 and board.count("O") == 1 and board[cell] == "O", "one X answers one O")
            check(menu != "alt+d n" or board[4] == "X", "Nerd God answers a corner in the centre")
            time.sleep(0.6)
            check(session.shot()[0] == board, "a second X appeared")


def main():
    session = Session(sys.argv[1])
    try:
        session.start()
        {"two_players": two_players, "computer": computer}[sys.argv[2]](session)
        # E&xit ends the program; Windows' own Alt+F4 must still close it, although the game sees Alt keys.
        session.act("alt+F4" if session.wine and sys.argv[2] == "two_players" else "alt+f x")
        check(session.app.wait(15) == 0, "the program ended with %s" % session.app.returncode)
        print("passed:", sys.argv[2])
        return 0
    except (Failure, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure)
        return 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
