# SPDX-License-Identifier: GPL-3.0-or-later
"""The game in other languages, read through the desktop's accessibility bus on a private X
server and D-Bus session. Usage: i18n_test.py CASE GAME_BINARY SOURCE_DIR LUPDATE LRELEASE

pseudo: every text of the sources translated into a made-up language (the English inside
⟦ ⟧, a third longer), built here with lupdate and lrelease and found where a translator's
own file goes; the game then shows and speaks nothing outside the marks but its name and
the About box's credits, version and links, while every button is pressed, a move made,
a game lost and the About box opened.
german: the loss message and the cells' names are German; Austrian German falls back to it.
ukrainian: a group's size is told with the plural form its number takes."""

import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "display"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "a11y"))
from a11y_test import cells, desktop_bus_races, play  # noqa: E402
from atspi import AtSpi  # noqa: E402
from waiting import limit  # noqa: E402
from xsession import XSession  # noqa: E402

MARKED = re.compile(r"⟦[^⟦⟧]*⟧")
# The same in every language: the program's name and the About box's fixed lines.
FIXED = {"Quenlith", "QUENLITH", "http://www.quenlith.example/", "E-mail: quenlith@example.org",
         "mailto:quenlith@example.org"}
FIXED_PATTERNS = [re.compile(r"Quenlith v\.[0-9.]+  "),
                  re.compile(r"Programming: .+\nand .+\nDesign: .+\nand .+")]


def pseudo_translation(work, source_dir, lupdate, lrelease):
    """A data folder holding quenlith_eo.qm, every text as ⟦source…⟧."""
    ts = os.path.join(work, "quenlith_eo.ts")
    subprocess.run([lupdate, "-silent", "-locations", "none", "-I", source_dir,
                    os.path.join(source_dir, "ui"), os.path.join(source_dir, "play"),
                    "-target-language", "eo", "-ts", ts],
                   check=True)
    tree = ET.parse(ts)
    for message in tree.getroot().iter("message"):
        source = message.findtext("source")
        text = "⟦" + source + "·" * (len(source) // 3 + 1) + "⟧"
        translation = message.find("translation")
        translation.attrib.clear()
        if message.get("numerus") == "yes":
            for form in list(translation):
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    tree.write(ts, encoding="utf-8", xml_declaration=True)
    folder = os.path.join(work, "data", "quenlith", "translations")
    os.makedirs(folder)
    subprocess.run([lrelease, "-silent", ts, "-qm", os.path.join(folder, "quenlith_eo.qm")],
                   check=True)
    return os.path.join(work, "data")


def escaped(text):
    """Whatever of a text lies outside the marks and is not one of the fixed lines."""
    if not text or text in FIXED or any(p.fullmatch(text) for p in FIXED_PATTERNS):
        return ""
    rest, marked = text, None
    while marked != rest:  # marks nest where a translated text holds others
        marked, rest = rest, MARKED.sub("", rest)
    return rest if re.search(r"\w", rest) else ""


def walk(a11y, obj, seen):
    """The name, description and text of obj and of everything below it, table cells
    included, with the role each was found on."""
    seen += [(obj.getRoleName(), obj.name), (obj.getRoleName(), obj.description)]
    try:
        text = obj.queryText()
        seen.append((obj.getRoleName(), text.getText(0, text.characterCount)))
    except NotImplementedError:
        pass
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            walk(a11y, child, seen)


def playable(board, marker):
    return next((cell for cell in cells(board) if marker in cell.description), None)


def lose(s, a11y, frame, board, marker, new_game, empty_board):
    """Plays until a game is lost and returns what the message line said."""
    message = a11y.find(frame, "notification")
    for _ in range(20):  # a random game is lost far more often than won
        while (cell := playable(board, marker)) is not None:
            play(s, a11y, board, cell)
        if empty_board in board.description:
            a11y.press(a11y.find(frame, "push button", new_game))
            a11y.wait_for(lambda: empty_board not in board.description, what="a new game")
            continue
        return a11y.wait_for(lambda: a11y.showing(message) and message.name, what="the loss")
    raise AssertionError("no game was lost")


def listen(a11y):
    """Every announcement, as a screen reader hears it when it comes: the answers to each
    action and the message line."""
    heard = []

    def keep(event):
        if event.detail1 and event.source.getRoleName() == "notification":
            heard.append(event.source.name)
    a11y._announcements = keep  # pyatspi holds listeners weakly
    a11y.pyatspi.Registry.registerEventListener(keep, "object:state-changed:showing")
    return heard


def check_start_lines(binary, data):
    """The lines for a start without a display, before and after Qt has tried one, and the
    command line's help."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(LANGUAGE="eo", XDG_DATA_HOME=data)
    for platform in (None, "nosuchplatform"):
        run = subprocess.run([binary], capture_output=True, text=True, stdin=subprocess.DEVNULL,
                             timeout=limit(30),
                             env=dict(env, QT_QPA_PLATFORM=platform) if platform else env)
        line = run.stderr.strip()
        assert run.returncode == 1 and MARKED.fullmatch(line), (platform, run.stderr)
    # --help: ours marked; left are Qt's own words (translated with Qt) and the options.
    run = subprocess.run([binary, "--help"], capture_output=True, text=True, timeout=limit(30),
                         stdin=subprocess.DEVNULL, env=env)
    words = set(re.findall(r"\w+", MARKED.sub("", run.stdout)))
    assert run.returncode == 0 and words <= {"Usage", "Options", "options", "quenlith", "h",
                                             "help", "v", "version", "symbols",
                                             "seed", "N", "winnable", "board", "CODE",
                                             "warn"}, run.stdout


def check_pseudo(s, a11y, game, app, frame, board):
    seen = []
    walk(a11y, app, seen)
    buttons = [b for b in (frame.getChildAtIndex(i) for i in range(frame.childCount))
               if b is not None and b.getRoleName() == "push button"]
    assert len(buttons) >= 7, [b.name for b in buttons]
    about = next(b for b in buttons if "About" in b.name)
    quit_button = next(b for b in buttons if "Quit" in b.name)
    for button in buttons:
        if button not in (about, quit_button):
            a11y.press(button)
            a11y.pump(limit(0.1))
            walk(a11y, app, seen)
    play(s, a11y, board, playable(board, "Can be played"))
    walk(a11y, app, seen)
    seen.append(("loss", lose(s, a11y, frame, board, "Can be played", buttons[0].name,
                              "Boxes: 0 ")))
    walk(a11y, app, seen)
    a11y.press(about)
    dialog = a11y.wait_for(lambda: a11y.find(app, "dialog"), what="the About box")
    a11y.wait_for(lambda: a11y.showing(dialog), what="the About box shown")
    walk(a11y, dialog, seen)
    a11y.press(a11y.find(dialog, "image"))
    a11y.wait_for(lambda: not a11y.showing(dialog), what="the About box to close")
    escapes = sorted({(role, text) for role, text in seen if escaped(text)})
    assert not escapes, "texts that escape translation:\n" + "\n".join(map(repr, escapes))
    assert any(MARKED.fullmatch(text) for role, text in seen if role == "loss"), seen[-1]
    a11y.press(quit_button)
    assert game.wait(timeout=limit(10)) == 0


def check_german(s, a11y, game, app, frame, board):
    colours = {"leer", "rot", "hellgrün", "blau", "dunkelgrün", "petrol", "gelb", "türkis"}
    names = {cell.name for cell in cells(board)}
    assert names and names <= colours, names
    heard = lose(s, a11y, frame, board, "Spielbar", "Neues Spiel", "Kästchen: 0 ")
    assert heard == "Verloren! Versuch es noch einmal.", heard


def check_ukrainian(s, a11y, game, app, frame, board):
    """The running game speaks Ukrainian; every plural form is checked by the unit tests."""
    said = next(c.description for c in cells(board) if c.description.startswith("Можна зіграти"))
    n = int(re.search(r"\d+", said).group())
    form = "кубик" if n % 10 == 1 and n % 100 != 11 else \
        "кубики" if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14 else "кубиків"
    assert said == f"Можна зіграти, у групі {n} {form}", said


CASES = {"pseudo": ("eo", check_pseudo), "german": ("de_AT", check_german),
         "ukrainian": ("uk", check_ukrainian)}


def main():
    case, binary, source_dir, lupdate, lrelease = sys.argv[1:6]
    language, check = CASES[case]
    FIXED.add(os.path.abspath(binary))  # the application's description is its path
    with tempfile.TemporaryDirectory(prefix="quenlith-i18n-") as work, \
            XSession(dbus=True) as s, AtSpi(s) as a11y:
        # The built-in translations, not a translator's own in the developer's data folder.
        env = dict(desktop_bus_races(), LANGUAGE=language, LC_ALL="C.UTF-8", XDG_DATA_HOME=work)
        if case == "pseudo":
            env["XDG_DATA_HOME"] = pseudo_translation(work, source_dir, lupdate, lrelease)
            check_start_lines(binary, env["XDG_DATA_HOME"])
        s.move(0, 0)  # the pointer selects the cell under it; keep it off the board
        heard = listen(a11y)
        game = s.start([binary], env=env)
        app = a11y.app("Quenlith")
        frame = a11y.wait_for(lambda: a11y.find(app, "frame", "Quenlith"), what="the frame")
        board = a11y.find(frame, "table")
        check(s, a11y, game, app, frame, board)
        if case == "pseudo":
            escapes = [text for text in heard if escaped(text)]
            assert not escapes, "announcements that escape translation:\n" + "\n".join(escapes)
    print(f"{case}: ok")


if __name__ == "__main__":
    main()
