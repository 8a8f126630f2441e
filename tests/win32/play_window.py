#!/usr/bin/env python3
"""Plays zandor.exe under Wine on an X display as a person would, with xdotool, and checks what it shows.

The program saves its board after every refresh when ZANDOR_TEST_DUMP names a folder; boards are
compared with those the null toolkit draws for the same inputs (null_boards.exe) and with screenshots.
Usage: play_window.py ZANDOR_EXE NULL_BOARDS_EXE WORK_DIR   (DISPLAY and WINEPREFIX set by the caller)
"""
import os
import subprocess
import sys
import time

WINE = "/usr/lib/wine/wine64"
RED = (255, 0, 0)
CHECKS_START = "0 1 0 0 0 0 1 0 0"  # 1 Player and Induhvidual, in the toolkit's item order
# Navigation keys per cell, row by row, and the keypad's digits.
NAV = {0: 36, 1: 38, 2: 33, 3: 37, 4: 12, 5: 39, 6: 35, 7: 40, 8: 34}


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    if Window.running is not None and os.path.exists(Window.last_dump):
        print("the board as last saved: " + Window.last_dump, file=sys.stderr)
    sys.exit(1)


def wine_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError("not a BMP")
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    bits = int.from_bytes(data[28:30], "little")
    if bits != 24 or height <= 0:
        raise ValueError("not a bottom-up 24-bit BMP")
    row = (width * 3 + 3) & ~3
    pixels = []
    for y in range(height):
        start = offset + (height - 1 - y) * row
        line = data[start:start + width * 3]
        pixels.extend((line[i + 2], line[i + 1], line[i]) for i in range(0, width * 3, 3))
    return width, height, pixels


def parse_ppm(data):
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    body = data[pos:pos + width * height * 3]
    return width, height, [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]


def differences(a, b):
    if a[0] != b[0] or a[1] != b[1]:
        return -1
    return sum(1 for p, q in zip(a[2], b[2]) if p != q)


class Window:
    running = None  # the program started here, ended on the way out if still there
    last_dump = ""

    def __init__(self, exe, dump):
        self.dump = dump
        Window.last_dump = os.path.join(dump, "board.bmp")
        env = dict(os.environ, ZANDOR_TEST_DUMP=wine_path(dump))
        started = time.monotonic()
        self.process = subprocess.Popen([WINE, exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        Window.running = self.process
        self.id = None
        while self.id is None:  # this program's own window, once it has its caption
            found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", r"^Zandor \[O:"],
                                   capture_output=True, text=True, timeout=10).stdout.split()
            if found:
                self.id = found[0]
            elif self.process.poll() is not None or time.monotonic() - started > 60:
                fail("no window appeared")
            else:
                time.sleep(0.05)
        self.start_seconds = time.monotonic() - started
        self.wait(lambda: os.path.exists(self.file("window.txt")) and self.origin() != (0, 0), "window placed")
        for _ in range(50):  # a window just mapped may not take the focus yet
            if subprocess.run(["xdotool", "windowfocus", "--sync", self.id], timeout=10).returncode == 0:
                break
            time.sleep(0.1)
        else:
            fail("the window does not take the keyboard focus")

    def file(self, name):
        return os.path.join(self.dump, name)

    def state(self):
        with open(self.file("window.txt")) as f:
            return dict(line.split(" ", 1) for line in f.read().splitlines() if " " in line)

    def origin(self):
        x, y = self.state()["origin"].split()
        return int(x), int(y)

    def refreshes(self):
        return int(self.state()["refreshes"])

    def board(self):
        for _ in range(20):  # replaced whole by the program; retry if caught between two files
            try:
                return read_bmp(self.file("board.bmp"))
            except (OSError, ValueError):
                time.sleep(0.05)
        fail("board.bmp unreadable")

    def caption(self):
        return subprocess.run(["xdotool", "getwindowname", self.id], capture_output=True, text=True).stdout.strip()

    def screenshot(self):
        x, y = self.origin()
        out = subprocess.run(["import", "-window", "root", "-crop", "300x300+%d+%d" % (x, y), "+repage", "-depth", "8", "ppm:-"],
                             capture_output=True, check=True, timeout=20).stdout
        return parse_ppm(out)

    def wait(self, condition, what, timeout=10.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                if condition():
                    return
            except (OSError, KeyError, ValueError):
                pass
            time.sleep(0.05)
        fail("timed out waiting for: " + what)

    def click(self, x, y, button=1):
        ox, oy = self.origin()
        # No --sync: it waits forever when the pointer is already there.
        subprocess.run(["xdotool", "mousemove", str(ox + x), str(oy + y), "sleep", "0.05", "click", str(button)],
                       check=True, timeout=10)

    def key(self, *keys):
        for k in keys:
            subprocess.run(["xdotool", "key", k], check=True, timeout=10)
            time.sleep(0.15)  # let a menu open before the next key

    def settle(self, quiet=0.6):
        """Waits until the program has stopped redrawing for a moment (the computer's turn included)."""
        last, since = self.refreshes(), time.monotonic()
        while time.monotonic() - since < quiet:
            time.sleep(0.05)
            now = self.refreshes()
            if now != last:
                last, since = now, time.monotonic()


def memory_kib(pid):
    try:
        with open("/proc/%d/status" % pid) as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return -1


def main():
    try:
        run()
    finally:
        if Window.running is not None and Window.running.poll() is None:
            Window.running.kill()  # only the program this script started
            Window.running.wait()


def run():
    exe, null_exe, work = sys.argv[1:4]
    refs_dir, dump = os.path.join(work, "null"), os.path.join(work, "dump")
    os.makedirs(refs_dir, exist_ok=True)
    os.makedirs(dump, exist_ok=True)

    # The null toolkit's boards for the same inputs. Menu item 2 is two-player mode.
    two_player = "menu:2 m:150,150 k:103 m:250,50 k:40"
    script = ["empty", "twop " + two_player]
    # One O in the centre and the computer's X anywhere else: as two players could leave it.
    script += ["answer%d menu:2 m:150,150 k:%d" % (cell, NAV[cell]) for cell in NAV if cell != 4]
    subprocess.run([WINE, null_exe, wine_path(refs_dir)], input="\n".join(script) + "\n", text=True, check=True,
                   timeout=60)
    ref = {name.split()[0]: parse_ppm(open(os.path.join(refs_dir, name.split()[0] + ".ppm"), "rb").read())
           for name in script}

    w = Window(exe, dump)
    print("start to window: %.2f s, resident memory %d KiB" % (w.start_seconds, memory_kib(w.process.pid)))

    # First display.
    if w.caption() != "Zandor [O:0; X:0]":
        fail("caption at start: %r" % w.caption())
    if w.state()["checked"] != CHECKS_START:
        fail("check marks at start: " + w.state()["checked"])
    if differences(w.board(), ref["empty"]) != 0:
        fail("the first board differs from the null toolkit's")
    screen_w, screen_h = map(int, subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True,
                                                 check=True).stdout.split())
    x, y = w.origin()
    # Centred: the client area's middle column at the screen's, its middle row just below (the caption
    # and menu bar are above it).
    if abs(x + 151 - screen_w // 2) > 4 or not screen_h // 2 <= y + 170 <= screen_h // 2 + 40:
        fail("the window is not centred: board at (%d, %d) on a %dx%d screen" % (x, y, screen_w, screen_h))
    if differences(w.screenshot(), w.board()) != 0:
        fail("the screen does not show the board's picture")

    # A key right after start-up reaches the game without a click first: F2 redraws a new match.
    before_f2 = w.refreshes()
    w.key("F2")
    w.wait(lambda: w.refreshes() > before_f2, "F2 handled before any click")

    # One player: O in the centre, and the computer answers in one of the other cells.
    w.click(150, 150)
    w.wait(lambda: any(differences(w.board(), ref[n]) == 0 for n in ref if n.startswith("answer")),
           "the computer's answer to O in the centre")

    # The File menu by its access keys: two players, a new match.
    w.key("alt+f", "2")
    w.wait(lambda: w.state()["checked"] == "0 0 1 0 0 0 1 0 0", "2 Player checked")
    w.wait(lambda: differences(w.board(), ref["empty"]) == 0, "an empty board for the new match")

    # Both sides by hand: the mouse places O, the keypad and the arrows place X.
    w.click(150, 150)
    w.settle(0.3)
    w.key("KP_7")
    w.settle(0.3)
    w.click(250, 50, button=3)  # any button counts
    w.settle(0.3)
    w.key("Down")
    w.wait(lambda: differences(w.board(), ref["twop"]) == 0, "the board after four moves, as the null toolkit's")
    if differences(w.screenshot(), ref["twop"]) != 0:
        fail("the screen after four moves differs from the null toolkit's board")

    # O completes the diagonal: the win is struck in red and held on screen for a second.
    before = w.screenshot()
    clicked = time.monotonic()
    w.click(50, 250)
    diagonal = [(x, 300 - x) for x in range(30, 271, 10)]  # from top right to bottom left
    held_shot = []
    def red_diagonal(image):
        return all(image[2][y * 300 + x] == RED for x, y in diagonal)
    def struck():
        # The saved board first (cheap), then the screen: the line must be on view during the hold.
        if not red_diagonal(w.board()):
            return False
        held_shot[:] = [w.screenshot()]
        return red_diagonal(held_shot[0])
    w.wait(struck, "a red strike line on screen during the hold", timeout=5.0)
    shot = held_shot[0]
    for i, (p, q) in enumerate(zip(shot[2], before[2])):
        x, y = i % 300, i // 300
        in_new_o = 20 <= x < 84 and 218 <= y < 294
        if p != q and p != RED and not in_new_o:
            fail("the strike changed (%d, %d) to %r, not red" % (x, y, p))
    w.wait(lambda: w.caption() == "Zandor [O:1; X:0]", "O's win counted", timeout=5)
    held = time.monotonic() - clicked
    if held < 0.9:
        fail("the finished game was held only %.2f s" % held)
    w.wait(lambda: differences(w.board(), ref["empty"]) == 0, "the next game's empty board")

    # F2: a new match.
    w.key("F2")
    w.wait(lambda: w.caption() == "Zandor [O:0; X:0]", "F2 resets the score")

    # The Difficulty menu by its access keys.
    w.key("alt+d", "n")
    w.wait(lambda: w.state()["checked"] == "0 0 1 0 0 0 0 0 1", "Nerd God checked")

    # E&xit ends the program at once.
    w.key("alt+f", "x")
    try:
        code = w.process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        w.process.kill()
        fail("Exit left the program running")
    if code != 0:
        fail("the program ended with code %d" % code)
    print("window test passed: caption, check marks, clicks, keys, strike line, F2, menus, exit")


if __name__ == "__main__":
    main()
