#!/usr/bin/python3
"""Plays zandor.exe under Wine by keys alone (xdotool) and checks each line reader.exe says of it, as a screen reader
would. Usage: speech.py ZANDOR_EXE READER_EXE, in the caller's WINEPREFIX and DISPLAY."""
import os, queue, subprocess, sys, threading
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from play import Session, check

# Nerd God answers a corner with the centre, blocks O's top row, then takes the diagonal O leaves open. Each key,
# then each line said: the focused cell, a change of its name (read when the event comes), an alert.
GAME = [("", ["focus: top left, empty"]), ("alt+d n", ["alert: Score: O 0, X 0. New game. O to move."]),
        ("Tab", ["focus: top centre, empty"]), ("shift+Tab", ["focus: top left, empty"]), ("space", [
            "name: top left, O, read only", "alert: O took the top left. X took the centre. O to move."]),
        ("Return", ["alert: That cell is taken. O to move."]), ("Tab", ["focus: top centre, empty"]), ("space", [
            "name: top centre, O, read only", "alert: O took the top centre. X took the top right. O to move."]),
        ("Tab", ["focus: top right, X, read only"]), ("Tab", ["focus: middle left, empty"]), ("space", [
            "name: middle left, empty", "alert: O took the middle left. X took the bottom left. X wins: diagonal "
            "from top right. Score: O 0, X 1. New game. O to move."])]  # the loser opens the next game


def main():
    session, said, heard = Session(1), queue.Queue(), []
    try:
        session.start(sys.argv[1])
        reader = subprocess.Popen(["/usr/lib/wine/wine64", sys.argv[2]], stdout=subprocess.PIPE, text=True)
        threading.Thread(target=lambda: [said.put(line.rstrip()) for line in reader.stdout] + [said.put("(ended)")],
                         daemon=True).start()
        for keys, lines in GAME + [("alt+f x", ["(ended)"])]:  # the reader ends with the game: nothing more said
            keys and (session.act(keys) if " " in keys else session.run("xdotool", "key", keys))
            for line in lines:
                heard.append(said.get(timeout=30))
                check(heard[-1] == line, "after %r: %r, not %r" % (keys, heard[-1], line))
        print("passed: what a screen reader says\n" + "\n".join(heard))
    except (AssertionError, queue.Empty) as failure:
        return print("FAIL:", str(failure) or "silence for 30 s", "\nsaid so far:\n" + "\n".join(heard)) or 1
    finally:
        session.close()


sys.exit(main())
