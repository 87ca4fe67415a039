#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One game played with Debian's Orca, keys only, as a blind player plays it; every action
must be answered in what Orca says. Usage: orca_test.py GAME_BINARY [--record FILE]: with
--record nothing fails, and what Orca said at each step goes to FILE."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import OrcaSession  # noqa: E402

COLOURS = ["empty", "red", "light green", "blue", "dark green", "teal", "yellow", "cyan"]
COLOUR = "|".join(sorted(COLOURS, key=len, reverse=True))
LOSS = "You lose! Tvy again."
# The board this seed deals has a single box after the first move, and playing the smallest
# group each time loses it: every step below happens on every run.
SEED = "5"
# Orca's click goes through the AT-SPI registry, which on a busy machine can take its
# own time-outs (Orca then falls back to the press action) before the game hears of it.
CLICK_TIMEOUT = 60.0


class Play:
    def __init__(self, o, record):
        self.o, self.s, self.a11y, self.speech = o, o.s, o.a11y, o.speech
        self.record = record
        self.transcript = []
        self.faults = []

    # -- steps: act, then wait on what Orca says ---------------------------------------------

    def step(self, name, act, heard, timeout=None):
        """Runs act(), waits until heard(text said since) holds, and keeps the text."""
        start, mark = time.monotonic(), self.speech.mark()
        act()
        try:
            said = self.speech.wait_for(heard, mark, timeout=6.0 if self.record else timeout,
                                        what=name, quiet=0.25)
        except TimeoutError as fault:
            said = self.speech.settle(mark)
            if not self.record:
                raise AssertionError(f"{name}: {fault}") from None
            self.faults.append(name)
        self.transcript.append((name, said))
        print(f"{name}: {time.monotonic() - start:.1f} s", file=sys.stderr)
        return said

    def keys(self, *names, modifiers=()):
        def act():
            for name in names:
                self.s.tap(name, modifiers)
        return act

    # -- the board, read through the bus to choose where to go -------------------------------

    def board(self):
        return self.a11y.find(self.app, "table", "Board")

    def cells(self):
        table = self.board().queryTable()
        return {(r, c): table.getAccessibleAt(r, c) for r in range(table.nRows)
                for c in range(table.nColumns)}

    def current(self):
        selected = [place for place, cell in self.cells().items()
                    if cell.getState().contains(self.a11y.pyatspi.STATE_SELECTED)]
        return selected[0] if len(selected) == 1 else None

    def find_cell(self, described):
        return next((p for p, c in sorted(self.cells().items()) if described(c.description)),
                    None)

    def go(self, target):
        """Arrow keys to a cell, waiting for the game (not Orca) after each."""
        while (here := self.a11y.wait_for(self.current, what="the current cell")) != target:
            key = ("Down" if target[0] > here[0] else "Up") if target[0] != here[0] else \
                ("Right" if target[1] > here[1] else "Left")
            self.s.tap(key)
            self.a11y.wait_for(lambda: self.current() != here, what=f"{key} to move")

    # -- Orca's flat review: find a named object on the screen and click it ------------------

    def review(self, key, modifiers=()):
        """One flat review command; what Orca said for it ("" at the end of a line, where
        it says nothing: the silence must outlast a slow answer, and is rarely met)."""
        mark = self.speech.mark()
        self.s.tap(key, modifiers)
        try:
            return self.speech.wait_for(lambda said: said, mark, timeout=4.0, quiet=0.15).strip()
        except TimeoutError:
            return ""

    def review_click(self, word, from_top=False):
        """Walks Orca's flat review of the active window, from its bottom line up (or its top
        line down), to an item that reads `word`, then clicks there with Orca's left-click
        command."""
        # Orca may still be telling earlier moves of the focus, which would end the review.
        self.speech.settle(self.speech.mark(), quiet=0.5)
        # Line moves land on a line's first item; the bottom line is reached from above.
        if from_top:
            self.review("KP_Home", ["Insert"])
            line = self.review("KP_Up")
        else:
            self.review("KP_Page_Up", ["Insert"])
            self.review("KP_Home")
            line = self.review("KP_Page_Up")
        # Towards the other end first; back the whole way should a command have gone amiss.
        moves = ["KP_Page_Up" if from_top else "KP_Home"] * 30
        moves += ["KP_Home" if from_top else "KP_Page_Up"] * 60
        for move in moves:
            if word in line.split():
                break
            line = self.review(move)
        else:
            raise AssertionError(f"no {word!r} in Orca's flat review")
        # The line may hold more than the pictures (a large board's last row lies beside
        # them): item by item.
        item = self.review("KP_Begin")
        for _ in range(60):
            if item.split()[:1] == [word]:
                break
            item = self.review("KP_Right")
        else:
            raise AssertionError(f"no item {word!r} on the line {line!r}")
        # Orca echoes the key before it clicks; on a busy machine a key it never saw is
        # pressed again (never one it echoed, which would click twice).
        for _ in range(3):
            mark = self.speech.mark()
            self.s.tap("KP_Divide")
            try:
                self.speech.wait_for(lambda said: said, mark, timeout=10.0, quiet=0)
                return
            except TimeoutError:
                continue

    # -- the play-through --------------------------------------------------------------------

    def run(self, binary, log):
        self.step("start", lambda: self.o.start([binary, "--seed", SEED], output=log),
                  lambda t: "Quenlith" in t and re.search(COLOUR, t))
        self.app = self.a11y.app("Quenlith")
        self.step("Right", self.keys("Right"), lambda t: re.search(COLOUR, t))
        self.step("Down", self.keys("Down"), lambda t: re.search(COLOUR, t))
        self.step("Ctrl+Z on a fresh board", self.keys("z", modifiers=["Control_L"]),
                  lambda t: "Nothing to undo." in t and "Undone" not in t)
        # A move, and a refused move: the answers differ and carry the counts.
        self.go(self.find_cell(lambda d: d.startswith("Can be played")))
        self.step("Space on a group", self.keys("space"), lambda t: "removed" in t)
        self.go(self.find_cell(lambda d: d.endswith("a single box")))
        self.step("Space on a single box", self.keys("space"), lambda t: "nothing removed" in t)
        self.step("Ctrl+Z", self.keys("z", modifiers=["Control_L"]),
                  lambda t: "Undone" in t)
        self.step("status key", self.keys("F2"), lambda t: "groups left" in t)
        self.step("hint key", self.keys("h"),
                  lambda t: re.search(r"can be cleared\. Play row \d+, column \d+, (%s)\." % COLOUR, t))
        self.lose_twice()
        # From a far cell of the large board to the small one: the reader must land on a
        # live cell of the new board.
        self.step("Hard level by Orca's click", lambda: self.review_click("Hard"),
                  lambda t: "16 by 16" in t, timeout=CLICK_TIMEOUT)
        self.go((14, 13))
        self.step("Easy level by Orca's click", lambda: self.review_click("Easy"),
                  lambda t: "12 by 12" in t, timeout=CLICK_TIMEOUT)
        self.step("where am I after the board shrank", self.keys("KP_Enter"),
                  lambda t: re.search(COLOUR, t) and "of 12" in t)
        self.step("Up after the board shrank", self.keys("Up"), lambda t: re.search(COLOUR, t))
        # Two level keys in a row: each is heard once, neither in place of the other.
        said = self.step("Ctrl+2 and Ctrl+3", self.keys("2", "3", modifiers=["Control_L"]),
                         lambda t: "Medium level:" in t and "Hard level:" in t)
        assert self.record or said.count("Hard level:") == 1, said
        # Orca names the box by its title, or, when it handles its own click only after the
        # box is up (a busy machine), by the picture it lands on: either tells the box.
        self.step("About by Orca's click", lambda: self.review_click("About"),
                  lambda t: ("QUENLITH" in t or "About Quenlith" in t) and "v." in t
                  and "close" in t, timeout=CLICK_TIMEOUT)
        said = self.step("About closed by Orca's click",
                         lambda: self.review_click("About", from_top=True),
                         lambda t: "Board" in t and re.search(COLOUR, t))
        # Orca's click may click twice; the second must not play on the board.
        assert self.record or "removed" not in said, said

    def smallest_group(self):
        """The playable cell with the smallest group: playing those loses soonest."""
        sizes = {place: int(cell.description.split()[-2]) for place, cell in self.cells().items()
                 if cell.description.startswith("Can be played")}
        return min(sizes, key=sizes.get) if sizes else None

    def lose_twice(self):
        """Plays by keys until the game is lost (Orca speaks each move), then takes the last
        move back and plays it again: the loss is heard both times."""
        while (cell := self.smallest_group()) is not None:
            last = cell
            self.go(cell)
            said = self.step("a move", self.keys("space"), lambda t: "removed." in t)
            self.transcript.pop()
        assert self.record or LOSS in said, said
        self.transcript.append(("the losing move", said))
        self.step("Ctrl+Z after the loss", self.keys("z", modifiers=["Control_L"]),
                  lambda t: "Undone" in t)
        self.go(last)
        self.step("the same move again", self.keys("space"), lambda t: LOSS in t)


def main():
    binary = sys.argv[1]
    record = sys.argv[3] if len(sys.argv) > 3 and sys.argv[2] == "--record" else None
    # ORCA_DEBUG_LOG=FILE keeps Orca's own debug output, to see why it said what it said.
    with OrcaSession(wm=True, debug_log=os.environ.get("ORCA_DEBUG_LOG")) as o, open(os.path.join(o.s.tmp, "game.log"), "w+") as log:
        play = Play(o, record)
        try:
            play.run(binary, log)
            log.seek(0)
            warned = [line for line in log if "Accessible invalid" in line]
            assert record or not warned, f"the reader asked dead cells: {warned[:3]}"
        finally:
            if record:
                with open(record, "w") as out:
                    for name, said in play.transcript:
                        out.write(f"## {name}\n{said}\n\n")
                    out.write(f"silent or wrong: {play.faults}\n")
    print("orca: ok")


if __name__ == "__main__":
    main()
