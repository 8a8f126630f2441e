#!/usr/bin/python3
"""Plays the Qt program, or zandor.exe under Wine (at 144 DPI: "scaled"), with xdotool as a person does; Xlib in this
process reads the screen, the caption and the X server's time of each change. Usage: play.py PROGRAM two_players|
scaled|wayland. The Qt program gets an Xvfb (or a sway) of its own; an .exe the caller's WINEPREFIX and DISPLAY."""
import contextlib, glob, json, os, random, shutil, socket, struct, subprocess, sys, tempfile, time
from Xlib import X, display, error


def check(ok, message):
    if not ok:
        raise AssertionError(message)


def wait(probe, what, seconds=10.0):  # looks again every 20 ms: the times that matter come from the X server
    deadline = time.monotonic() + seconds
    while not (result := probe()):
        check(time.monotonic() < deadline, "timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.02)
    return result


class Session:
    def __init__(self, scale):  # history: each board seen, with the server times that bracket its coming
        self.tmp, self.scale, self.history = tempfile.mkdtemp(prefix="zandor-play-"), scale, [(("", 0), 0, 0)]
        self.env, self.xvfb, self.app = dict(os.environ, XDG_RUNTIME_DIR=self.tmp, QT_QPA_PLATFORM="xcb"), None, None

    def start(self, program):
        copy, self.wine = shutil.copy(program, self.tmp), program.endswith(".exe")  # its log stays in this session
        for attempt in range(3):  # again if another X server took the number, or Wine's desktop missed its deadline
            if not self.wine:
                taken = open("/proc/net/unix").read()  # listening X servers, even those whose lock file is gone
                number = next(n for n in range(random.randrange(100, 900), 1000) if "X11-unix/X%d\n" % n not in taken)
                self.xvfb = subprocess.Popen(["Xvfb", ":%d" % number, "-displayfd", "1", "-screen", "0", "640x480x24",
                    "-nolisten", "tcp"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)  # says when up
                self.env["DISPLAY"] = ":" + self.xvfb.stdout.readline().strip()
                self.prepare()
            self.d = display.Display(self.env["DISPLAY"])
            self.root, self.name = self.d.screen().root, self.d.intern_atom("_NET_WM_NAME")
            self.app = subprocess.Popen(["/usr/lib/wine/wine64", copy] if self.wine else [copy], env=self.env)
            try:
                self.run("numlockx", "on")
                self.window = wait(lambda: check(self.app.poll() is None, "the program ended") or next(
                    (w for w, name, _ in self.windows() if name.startswith("Zandor [")), None), "the window", 90)
                break
            except AssertionError:
                if attempt == 2 or self.app.poll() is None:
                    raise
                self.xvfb and (self.xvfb.terminate(), self.xvfb.wait())  # Wine keeps the caller's display
        self.run("xdotool", "windowfocus", "--sync", str(self.window.id))
        size, at = self.window.get_geometry(), self.root.translate_coords(self.window, 0, 0)
        # The X window holds the menu bar over the client area of 302 x 340 (scaled), the board at its top left.
        self.x, self.y, self.side = at.x, at.y + size.height - round(340 * self.scale), round(300 * self.scale)
        check(size.width == round(302 * self.scale), "the client area is %d px wide" % size.width)
        check(abs(self.x + size.width // 2 - (screen := self.root.get_geometry()).width // 2) <= 4 and -4 <= at.y +
              size.height // 2 - screen.height // 2 <= 12 * self.scale, "not centred")  # Wine's caption sits above
        self.d.damage_query_version(), self.window.damage_create(0)  # each rectangle drawn, with the server's time
        self.clock = display.Display(self.env["DISPLAY"])  # the server's time now: a property change on a window
        self.stamp = self.clock.screen().root.create_window(0, 0, 1, 1, 0, 0, event_mask=X.PropertyChangeMask)

    def now(self):  # in seconds, on the clock of the damage reports
        self.stamp.change_property(self.name, self.name, 8, b"", X.PropModeAppend)
        while (event := self.clock.next_event()).type != X.PropertyNotify:
            pass  # such as the keyboard mapping's changes, which every client hears of
        return event.time / 1000

    def prepare(self):  # what else the program is to find on its display, such as a window manager
        pass

    def close(self):
        for process in filter(None, (self.app, getattr(self, "keyboard", None), self.xvfb)):
            process.terminate(), process.wait()  # lets Xvfb remove its lock and socket; nothing once ended
        shutil.rmtree(self.tmp, ignore_errors=True)

    def windows(self):  # each mapped top-level window, its caption, and whether it is a pop-up such as a menu
        for w in self.root.query_tree().children:
            with contextlib.suppress(error.XError):  # gone meanwhile
                if w.get_attributes().map_state == X.IsViewable:
                    yield w, w.get_full_text_property(self.name) or "", w.get_attributes().override_redirect

    def run(self, *args):
        done = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)
        check(done.returncode == 0, "%s: %s" % (" ".join(args), done.stderr))

    def act(self, what):  # clicks "cell N [button]" near the cell's lower right corner, or presses each key named
        if (words := what.split())[:1] == ["cell"]:
            x, y = (round((int(words[1]) // d % 3 * 100 + 90) * self.scale) for d in (1, 3))
            return self.run("xdotool", "mousemove", str(self.x + x), str(self.y + y), "sleep", "0.05", "click",
                            (words + ["1"])[2])
        for i, key in enumerate(words):
            self.run("xdotool", "key", key)
            if len(words) > 1:  # a menu by its access keys: it opens on the first, the choice closes it
                wait(lambda: any(popup for *_, popup in self.windows()) == (i == 0), "the menu to open or close")

    def grab(self):  # the board's pixels, 4 bytes each (blue, green, red), and the server times of the changes seen
        times = []
        while True:  # until a read follows every change reported, so that the changes' server times bracket it
            while self.d.pending_events():
                event = self.d.next_event()
                times += [event.timestamp / 1000] if type(event).__name__ == "DamageNotify" else []
            raw = memoryview(self.root.get_image(self.x, self.y, self.side, self.side, X.ZPixmap, 0xFFFFFFFF).data)
            if not self.d.pending_events():
                return raw, times

    def caption(self):
        return self.window.get_full_text_property(self.name)

    def look(self):  # the board as 'O', 'X' or '.' per cell, and whether a 5 px strike line crosses the middle row
        raw, times = self.grab()

        red = lambda x, y: (lambda b, g, r, _: r > 140 and g < 90 and b < 90)(  # at (x, y) in unscaled pixels
            *raw[(int(y * self.scale) * self.side + int(x * self.scale)) * 4:][:4])

        def mark(cell):  # an X is red across its middle, an O only around it
            left, top = cell % 3 * 100 + 20, cell // 3 * 100 + 18
            if sum(red(x, y) for y in range(top, top + 72, 2) for x in range(left, left + 64, 2)) < 100:
                return "."
            return "X" if sum(red(left + 30 + d % 5, top + 35 + d // 5) for d in range(25)) > 12 else "O"
        state = "".join(map(mark, range(9))), sum(red(100, y) for y in range(140, 161)) == 5  # clear of marks
        self.history += [(state, min(times, default=0), max(times, default=0))] if self.history[-1][0] != state else []
        return state

    def expect(self, want, caption=None, struck=False):  # want: a board, or a test of one; its first sighting
        def seen():
            self.seen = self.look(), self.caption()
            return (want(self.seen[0][0]) if callable(want) else want == self.seen[0][0]) and caption in (
                None, self.seen[1]) and self.seen[0][1] >= struck and self.history[-1]
        return wait(seen, lambda: "%s %s; the screen shows %s" % (want, caption, self.seen))


class Wayland(Session):  # the Qt program on a headless sway of its own; keys through wtype, the screen through grim
    def start(self, program):  # sway refuses root: then it and the game run as nobody
        self.wine = False
        user = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] * (os.geteuid() == 0)
        copy = shutil.copy(program, self.tmp)
        [os.chown(path, 65534, 65534) for path in (self.tmp, copy) if user]  # its folder is the game's too
        open(self.tmp + "/config", "w").write("xwayland disable\noutput * resolution 640x480\n")
        self.env.update(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman", HOME=self.tmp,
                        QT_QPA_PLATFORM="wayland")
        self.xvfb = subprocess.Popen(user + ["sway", "-c", self.tmp + "/config"], env=self.env, stderr=subprocess.DEVNULL)
        self.env["SWAYSOCK"] = wait(lambda: next(glob.iglob(self.tmp + "/sway-ipc.*"), None), "sway", 30)
        self.env["WAYLAND_DISPLAY"] = os.path.basename(next(glob.iglob(self.tmp + "/wayland-?")))
        self.keyboard = subprocess.Popen(["wtype", "-s", "900000"], env=self.env)  # the seat keeps a keyboard between keys
        self.pointer = socket.socket(socket.AF_UNIX)  # a virtual pointer for the game to find at its start
        self.pointer.connect(self.tmp + "/" + self.env["WAYLAND_DISPLAY"])
        self.send(1, 1, 2), self.send(1, 0, 3)  # wl_display: get_registry (id 2), sync (3), done after every global
        data, name = b"", b"zwlr_virtual_pointer_manager_v1\0"
        while struct.pack("<II", 3, 12 << 16) not in data:
            data += self.pointer.recv(65536)
        self.send(2, 0, struct.unpack_from("<I", data, data.index(name) - 8)[0], 32, *struct.unpack("<8I", name), 1, 4)
        self.send(4, 0, 0, 5)  # bound as 4, its pointer 5 in the default seat
        self.app = subprocess.Popen(user + [copy], env=self.env)
        self.side = wait(self.caption, "the window", 60) and 300

    def now(self):  # no server times on Wayland: the hold is timed on X11 only
        return time.monotonic()

    def send(self, object, opcode, *words):  # a request in the Wayland wire format
        self.pointer.sendall(struct.pack("<%dI" % (len(words) + 2), object, 8 + 4 * len(words) << 16 | opcode, *words))

    def caption(self):  # from the compositor's tree, with the board's place: sway may move a new window once
        nodes = [json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], env=self.env, capture_output=True).stdout)]
        for node in nodes:
            nodes += node.get("nodes", []) + node.get("floating_nodes", [])
            if (node.get("name") or "").startswith("Zandor ["):
                at, inner = node["rect"], node["window_rect"]  # the surface is the menu bar over 302 x 340
                self.x, self.y = at["x"] + inner["x"], at["y"] + inner["y"] + inner["height"] - 340
                return node["name"]

    def grab(self):  # red, green and blue after the header of grim's PPM, as the X server's blue, green, red, pad
        rgb, raw = subprocess.run(["grim", "-t", "ppm", "-g", "%d,%d 300x300" % (self.x, self.y), "-"], env=self.env,
                                  capture_output=True).stdout[-270000:], bytearray(360000)
        raw[0::4], raw[1::4], raw[2::4] = rgb[2::3], rgb[1::3], rgb[0::3]
        return raw, []

    def act(self, what):  # the pointer moved to the cell and clicked, or each key pressed as xdotool names it
        if (words := what.split())[:1] == ["cell"]:
            x, y, button = int(words[1]) % 3 * 100 + 90, int(words[1]) // 3 * 100 + 90, (words + ["1"])[2]
            for request in ((1, 0, self.x + x, self.y + y, 640, 480), (4,), (2, 0, 0x110 + "132".index(button), 1), (4,),
                            (2, 0, 0x110 + "132".index(button), 0), (4,)):  # motion, frame, press, frame, ...
                self.send(5, *request)
            return
        for i, key in enumerate(words):
            *modifiers, key = key.split("+")
            before = len(words) > 1 and self.grab()[0]
            self.run("wtype", *sum((["-M", m] for m in modifiers), []), "-k", key, *sum((["-m", m] for m in modifiers), []))
            if i == 0 and len(words) > 1:  # a menu by its access keys: it opens over the board
                wait(lambda: self.grab()[0] != before, "the menu to open")


# Each input, then the board and the caption (None: any) it must bring.
SCENARIOS = {"two_players": [  # a menu by its access keys; a keypad digit, any mouse button, a top-row digit, which
    ("alt+f 2", ".........", "Zandor [O:0; X:0]"), ("KP_7", "X........", None), ("cell 4 3", "X...O....", None),
    ("3", "X...O....", None), ("alt+Prior", "X.X.O....", None),  # places nothing, or Alt+Page Up would be refused
    ("cell 3", "X.XOO....", None), ("End", "X.XOO.X..", None), ("cell 5", "X.XOOOX..", "Zandor [O:0; X:0]"),
    ("", ".........", "Zandor [O:1; X:0]"),  # O's win: struck in red, held a second, then counted
    ("KP_5", "....X....", None), ("F2", ".........", "Zandor [O:0; X:0]")],  # the loser opens; F2 starts anew
    "scaled": [("alt+f 2", ".........", None), ("cell 8", "........O", None), ("KP_5", "....X...O", None)]}

SCENARIOS["wayland"] = [  # on Wayland, navigation keys from the keypad itself
    (what.replace("End", "KP_End").replace("Prior", "KP_Prior"), *want) for what, *want in SCENARIOS["two_players"]]


def play(session, rows):
    clicked = 0
    for what, board, caption in rows:
        before = isinstance(session, Wayland) or session.now()  # no board an input brings precedes it (X11 only)
        session.act(what)
        seen = session.expect(board, caption, struck=what == "cell 5")
        clicked = before if what == "cell 5" else clicked
        # The hold: the next empty board at least 0.9 s after the winning click reached the server, and at most 1.5 s
        # after the struck board was last drawn, by the server's times (Wayland has none).
        if what == "" and not isinstance(session, Wayland):
            hold = seen[1] - [h for h in session.history if h[0][1]][-1][2], seen[2] - clicked
            check(hold[1] >= 0.9 and hold[0] <= 1.5, "the hold took %.3f to %.3f s, not 1 s" % hold)


def main():
    session = (Wayland if sys.argv[2] == "wayland" else Session)(1.5 if sys.argv[2] == "scaled" else 1)
    try:
        session.start(sys.argv[1])
        play(session, SCENARIOS[sys.argv[2]])
        # E&xit ends the program; Windows' own Alt+F4 must still close it, although the game sees Alt keys.
        session.act("alt+F4" if session.wine and sys.argv[2] == "two_players" else "alt+f x")
        check(session.app.wait(15) == 0, "the program ended with %s" % session.app.returncode)
        print("passed:", sys.argv[2])
    except (AssertionError, subprocess.TimeoutExpired) as failure:
        return print("FAIL:", failure) or 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
