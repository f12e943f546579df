#!/usr/bin/python3
"""Plays the installed game from outside its process, as a person with a
screen reader would: it reads the windows through AT-SPI and acts with real
X input (xdotool clicks at the extents AT-SPI reports, and key presses).

    journey.py DISPLAY BINARY CONFIG_HOME WORK_DIR

Run inside dbus-run-session. It starts BINARY itself, so it
knows the process it reads, and checks the INI file the run leaves behind.
Every wait is on a condition, bounded generously: the machine may be busy.
"""

import configparser
import os
import subprocess
import sys

from atspi_table import (Atspi, Failure, Program, Table, click, focus_window, keys, log,
                         type_text, wait_for)

# ---- The journey -----------------------------------------------------------

OPEN_ROWS = ["Ones", "Twos", "Threes", "Fours", "Fives", "Sixes", "3 of a kind", "4 of a kind",
             "Full House", "Small Straight", "Large Straight", "Chance"]


def wait_past_splash(program):
    seen_splash = False

    def probe():
        nonlocal seen_splash
        shown = program.windows()
        if "Splash" in shown:
            seen_splash = True
            return None
        if "New Game" in shown:
            return "New Game"
        if "Real Pentaro" in shown:
            return "Real Pentaro"
        return None

    first = wait_for("the table or the new-game dialog after the start", probe)
    log("splash seen and gone" if seen_splash else "no splash", "->", first)
    return first


def set_up_game(program, name):
    """Through the new-game dialog: one player, one column, the name, Done."""
    dialog = wait_for("the new-game dialog", lambda: program.window("New Game"))
    focus_window(program.process.pid, "New Game")

    def control(label):
        window = program.window("New Game")
        if window is None:
            return None
        return next((n for n in program.nodes(window) if n.name == label), None)

    for label in ("1 player", "One column"):
        check = wait_for(f"the check {label!r}", lambda: control(label))
        if check.description != "checked":
            click(check)
        wait_for(f"{label!r} checked", lambda: (c := control(label)) and c.description == "checked")
    field = wait_for("the name box", lambda: control("Name of player 1"))
    click(field)
    keys("ctrl+a", "BackSpace")
    type_text(name)
    wait_for("the name typed", lambda: (f := control("Name of player 1")) and f.text() == name)
    click(wait_for("the done button", lambda: control("Done")))
    wait_for("the dialog to close", lambda: "New Game" not in program.windows())
    del dialog


def start_game(program, first):
    """Leaves a one-player game in progress on the table; answers the name."""
    if first == "Real Pentaro":
        table = Table(program)
        if table.read().rolls != "Rolls":
            # The program opened on a game of its own for "Player 1".
            return "Player 1"

        def dialog_or_none():
            return program.window("New Game")

        try:
            wait_for("a new-game dialog of its own", dialog_or_none, bound=5)
        except Failure:
            focus_window(program.process.pid, "Real Pentaro")
            click(table.read().button("New Game"))
    set_up_game(program, "Tester")
    return "Tester"


def wait_landed(table, rolls, what):
    """The roll counter shows rolls, the table has said the landed faces
    aloud ("Roll 2: 3 4 4 1 6"), the dice show them and the card is open."""
    def probe():
        table.read()
        if table.rolls != f"Rolls: {rolls}":
            return None
        said = next((n for n in table.by_name if n.startswith(f"Roll {rolls}: ")), None)
        faces = table.faces()
        if not said or len(faces) != 5:
            return None
        if said.split(": ")[1].split(".")[0].split() != [str(f) for f, _ in faces.values()]:
            return None
        return table.box("Game 1, Chance").enabled or None

    wait_for(what, probe)
    return table.faces()


def roll(program, table, rolls, by_key):
    if by_key:
        focus_window(program.process.pid, "Real Pentaro")
        keys("space" if rolls % 2 else "Return")
    else:
        click(table.read().button("Roll"))
    faces = wait_landed(table, rolls, f"roll {rolls} to land")
    log(f"roll {rolls}:", " ".join(f"{f}{'k' if k else ''}" for f, k in faces.values()))
    return faces


def keep_most_common(program, table, faces):
    """Keeps the dice showing the commonest face: the first by a click on the
    die, the others by their number keys. Answers the dice kept."""
    counts = {}
    for d, (face, _) in faces.items():
        counts[face] = counts.get(face, 0) + 1
    best = max(counts, key=lambda f: (counts[f], f))
    chosen = [d for d, (face, kept) in faces.items() if face == best and not kept]
    if not chosen:
        return []
    table.read()
    click(table.dice[(chosen[0], False)][1])
    if len(chosen) > 1:
        focus_window(program.process.pid, "Real Pentaro")
        keys(*[str(d) for d in chosen[1:]])
    for d in chosen:
        wait_for(f"die {d} kept",
                 lambda d=d: table.read().dice[(d, True)][0] == best
                 and table.dice[(d, True)][1].name == f"Die {d}: {best}, kept"
                 and table.dice[(d, False)][1].name == f"Die {d}")
    return chosen


UPPER = ["Ones", "Twos", "Threes", "Fours", "Fives", "Sixes"]


def expected_score(row, values):
    """What the card must show for the rows whose sum is plain to see."""
    if row in UPPER:
        face = UPPER.index(row) + 1
        return face * values.count(face)
    if row == "Chance":
        return sum(values)
    return None


def enter(program, table, faces, turn, by_key):
    """Enters the roll in an open box; a five of a kind goes to a Pentaro box.
    By mouse it takes the upper row of the commonest face, else Chance; by
    keyboard, Tab selects the first open box and Enter enters it."""
    table.read()
    values = [face for face, _ in faces.values()]
    open_rows = [row for row in OPEN_ROWS if not table.box(f"Game 1, {row}").name]
    if len(set(values)) == 1:
        # The rules ask for a Pentaro box first; a celebration may show.
        row = None
        target = next(n for n in (table.box(f"Game 1, Pentaro box {b}") for b in (1, 2, 3))
                      if not n.name)
        by_key = False
    elif by_key:
        row = open_rows[0]
        target = table.box(f"Game 1, {row}")
    else:
        commonest = max(set(values), key=lambda f: (values.count(f), f))
        row = next(r for r in [UPPER[commonest - 1], "Chance"] + open_rows if r in open_rows)
        target = table.box(f"Game 1, {row}")
    description = target.description
    wait_for("only the table showing", lambda: set(program.windows()) == {"Real Pentaro"})
    if by_key:
        focus_window(program.process.pid, "Real Pentaro")
        keys("Tab", "Return")
    else:
        click(table.read().box(description))
    wait_for(f"a score in {description!r}", lambda: table.read().box(description).name.isdigit())
    score = table.box(description).name
    expected = expected_score(row, values)
    if expected is not None and int(score) != expected:
        raise Failure(f"{description!r} shows {score} for {values}, not {expected}")
    wait_for("the next turn", lambda: table.read().rolls == "Rolls: 0")
    log(f"turn {turn}: {description} = {score} by {'keyboard' if by_key else 'mouse'}")
    return description, score


def play_turn(program, table, turn):
    key_turn = turn % 2 == 0
    faces = roll(program, table, 1, by_key=key_turn)
    kept = keep_most_common(program, table, faces)
    if len(kept) < 5:
        faces = roll(program, table, 2, by_key=not key_turn)
    return enter(program, table, faces, turn, by_key=key_turn)


def check_ini(config_home, sound):
    path = os.path.join(config_home, "RealPentaro", "RealPentaro.ini")
    if not os.path.isfile(path):
        raise Failure(f"no settings file at {path}")
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(path, encoding="utf-8")
    if ini.get("Params", "Sound", fallback=None) != sound:
        raise Failure(f"[Params] Sound is {ini.get('Params', 'Sound', fallback=None)!r}, not {sound!r}")
    for table in "AB":
        for place in range(1, 7):
            score = ini.get("HighScores", f"{table}Score{place}", fallback="")
            if not score.lstrip("-").isdigit():
                raise Failure(f"[HighScores] {table}Score{place} is {score!r}")
            if not ini.has_option("HighScores", f"{table}Name{place}"):
                raise Failure(f"[HighScores] {table}Name{place} is missing")
    log(f"settings file {path}: Sound={sound}, both high-score tables whole")


def journey(binary, config_home, work_dir):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=config_home)
    process = subprocess.Popen([binary], cwd=work_dir, env=env)
    program = Program(process)
    try:
        program.find_app()
        first = wait_past_splash(program)
        player = start_game(program, first)
        table = Table(program)
        wait_for(f"{player!r} at the table", lambda: player in table.read().by_name)
        entries = [play_turn(program, table, turn) for turn in (1, 2, 3)]
        # Every entry stays on the card.
        table.read()
        for description, score in entries:
            if table.box(description).name != score:
                raise Failure(f"{description!r} now shows {table.box(description).name!r}, not {score}")

        # The sound switch is kept in the settings file.
        click(table.button("Sound On"))
        wait_for("the switch to say Sound Off", lambda: "Sound Off" in table.read().by_name)

        exit_label = table.read().button("Exit The Program")
        if "Press" not in exit_label.actions():
            raise Failure("the close label offers no Press action")
        click(exit_label)
        status = wait_for("the program to end", lambda: process.poll() is not None or None)
        del status
        if process.returncode != 0:
            raise Failure(f"the program ended with status {process.returncode}")
        log("the program ended with status 0")
        check_ini(config_home, "False")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def main():
    display, binary, config_home, work_dir = sys.argv[1:5]
    os.environ["DISPLAY"] = display  # for the game and xdotool
    Atspi.set_timeout(10000, 60000)
    try:
        journey(binary, config_home, work_dir)
    except Failure as failure:
        print(f"journey: FAILED: {failure}", file=sys.stderr, flush=True)
        return 1
    log("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
