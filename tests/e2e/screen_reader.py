#!/usr/bin/python3
"""Plays a one-player game by keys alone while Orca listens, and checks what Orca says: screen_reader.py PROGRAM en|de.
On a session bus of its own, whose setting "screen reader enabled" turns the program's accessibility on."""
import os, re, shutil, subprocess, sys, tempfile, time
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from play import Session, check, wait

# Orca's own start, minus its look for other copies (another test's Orca is not ours) and minus a speech server:
# what it would speak is in its log, written a line at a time.
ORCA = """import sys
from orca import debug, speech
debug.debugLevel, debug.debugFile = debug.LEVEL_INFO, open(sys.argv[1], "w", buffering=1)
speech._initSpeechServer = lambda *args: None
from orca import orca
orca.getSettingsManager().activate(sys.argv[2], {})
sys.exit(orca.main())"""
# The keys of one game against Nerd God and what Orca must say after each, in order (German: None, not checked).
GAME = [("", [("top left, empty", "oben links, leer")]),  # the board has the focus: Orca has taken in the window
        ("alt:{}", [("Silly Putty", "Wackelpudding")]), ("n", [("top left, empty", "oben links, leer")]),  # Nerd God
        ("shift+Tab shift+Tab", [("bottom right, empty", None), ("bottom centre, empty", None)]),
        ("space", [("O took the bottom centre.", None), ("X took the top centre.", None)]),
        ("shift+Tab", [("bottom left, empty", None)]),
        ("Return", [("O took the bottom left.", None), ("X took the bottom right.", "X belegt das Feld unten rechts.")]),
        ("Tab", [("bottom centre, O", "unten Mitte, O")]),
        ("space", [("That cell is taken.", "Dieses Feld ist schon belegt.")]),  # refused: still O's turn
        ("shift+Tab shift+Tab shift+Tab shift+Tab", [("bottom left, O", None), ("middle right, empty", None),
                                                     ("centre, empty", "Mitte, leer"), ("middle left, empty", None)]),
        ("space", [("O took the middle left.", None), ("X took the top left.", "X belegt das Feld oben links.")]),
        ("Tab", [("centre, empty", "Mitte, leer")]),
        ("Return", [("O took the centre.", "O belegt das mittlere Feld."), ("X took the top right.", None),
                    ("X wins: top row.", "X gewinnt: obere Reihe."), ("Score: O 0, X 1.", "Spielstand: O 0, X 1."),
                    ("New game.", "Neues Spiel."), ("O to move.", "O ist am Zug.")])]


class Reader(Session):
    def prepare(self):  # a window manager, the desktop's setting, and Orca, ready before the program starts
        self.log, _ = os.path.join(self.tmp, "orca.log"), [h.kill() for h in getattr(self, "helpers", [])]  # a retry
        self.run("gsettings", "set", "org.gnome.desktop.a11y.applications", "screen-reader-enabled", "true")
        self.helpers = [subprocess.Popen(["openbox"], env=self.env, stderr=subprocess.DEVNULL),  # Orca speaks English
                        subprocess.Popen(["/usr/bin/python3", "-c", ORCA, self.log, self.tmp], env=dict(
                            self.env, LANG="C.UTF-8", LANGUAGE=""), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        wait(lambda: any("Screen reader on" in line for line in self.speech()), "Orca to start", 60)

    def windows(self):  # the programs' windows, inside the window manager's frames
        for frame, name, popup in super().windows():
            yield frame, name, popup
            for w in [] if popup else frame.query_tree().children:
                yield w, w.get_full_text_property(self.name) or "", False

    def speech(self):  # each line Orca has said so far
        with open(self.log, errors="replace") if os.path.exists(self.log) else open(os.devnull) as log:
            return [m.group(1) for m in re.finditer(r"SPEECH OUTPUT: '(.*?)' ?({.*)?$", log.read(), re.M)]

    def hear(self, texts):  # each text said, in order, after what was heard before
        def heard():
            said, at = "\n".join(self.speech()), self.heard
            for text in texts:
                at = said.find(text, at) + len(text) if text in said[at:] else -1
                if at < 0:
                    return False
            self.heard = at
            return True
        wait(heard, lambda: "Orca to say %s after %r" % (texts, "\n".join(self.speech())[self.heard:]), 20)

    def act(self, keys):  # each key once Orca is idle, so that it answers at once when the program asks about it
        size = lambda: os.path.getsize(self.log)
        for key in keys.split(":"):  # "alt:d": Alt held while d is pressed
            wait(lambda: (lambda before: time.sleep(0.3) or size() == before)(size()), "Orca to settle")
            self.run("xdotool", "key" if key == keys.split(":")[-1] else "keydown", key)
        for key in keys.split(":")[:-1]:
            self.run("xdotool", "keyup", key)

    def close(self):
        for helper in getattr(self, "helpers", []):  # Orca's log is written a line at a time: nothing is lost
            helper.kill(), helper.wait()
        print("\n".join(self.speech()))
        super().close()


def main():
    german = sys.argv[2] == "de"
    session, session.heard = Reader(1), 0
    if german:
        session.env.update(LANGUAGE="de", LANG="de_DE.UTF-8", LC_ALL="", LC_MESSAGES="")
    try:
        session.start(sys.argv[1])
        for keys, said in GAME:
            for key in keys.format("s" if german else "d").split():
                session.act(key)
            session.hear([text[german] for text in said if text[german]])
        log = open(session.log).read()  # the states as Orca read them: a cell that holds a mark is checked, no other
        cell = r", %s' role='table cell'\s+description='[^']*'\s+states='checked "
        check(re.search(cell % "O", log) and not re.search(cell % "(empty|leer)", log), "no checked cell with an O")
        print("passed: screen reader,", sys.argv[2])
    except (AssertionError, subprocess.TimeoutExpired) as failure:
        return print("FAIL:", failure) or 1
    finally:
        session.close()


if __name__ == "__main__" and sys.argv[-1] == "on-bus":
    sys.exit(main())
elif __name__ == "__main__":
    home = tempfile.mkdtemp(prefix="zandor-reader-")
    try:
        sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable, *sys.argv, "on-bus"], env=dict(
            os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home, XDG_CACHE_HOME=home, XDG_RUNTIME_DIR=home)))
    finally:
        shutil.rmtree(home, ignore_errors=True)
