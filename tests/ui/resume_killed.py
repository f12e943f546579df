#!/usr/bin/python3
"""The program killed with SIGKILL at random moments of a seeded game,
restarted and continued each time, ends exactly as the uninterrupted game.

    resume_killed.py RESUME_PLAYER [KILLS [SEED]]

The kill moments come from SEED (printed on every run, so that a failure
can be tried again with the same moments; the machine's speed still moves
them within the game).
"""

import os
import random
import signal
import subprocess
import sys
import tempfile
import time


def run(player, config, kill_after=None):
    proc = subprocess.Popen([player, config], stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    if kill_after is None:
        out, err = proc.communicate(timeout=300)
        if proc.returncode != 0:
            sys.exit(f"resume: the player failed ({proc.returncode}):\n{out}\n{err}")
        return out, err
    time.sleep(kill_after)
    if proc.poll() is None:
        proc.send_signal(signal.SIGKILL)
    out, err = proc.communicate(timeout=60)
    return out, err


def main():
    player = sys.argv[1]
    kills = int(sys.argv[2]) if len(sys.argv) > 2 else 12
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else random.SystemRandom().randrange(2**32)
    print(f"kill moments from seed {seed}")
    os.environ["QT_QPA_PLATFORM"] = "offscreen"
    os.environ["PULSE_SERVER"] = "unix:/nonexistent/rp-no-audio"
    with tempfile.TemporaryDirectory() as plain_dir, tempfile.TemporaryDirectory() as killed_dir:
        # Timed, so that the kills fall anywhere in the game.
        started = time.monotonic()
        whole, _ = run(player, plain_dir)
        length = time.monotonic() - started
        whole_result = [l for l in whole.splitlines() if not l.startswith("start")]
        print(f"uninterrupted in {length:.1f} s: {whole_result[0]}")
        rng = random.Random(seed)
        progress = []
        out = None
        for k in range(kills):
            out, err = run(player, killed_dir, kill_after=rng.uniform(0.05, max(0.3, length * 0.3)))
            if any(l.startswith("player") for l in out.splitlines()):
                # Finished before its kill: this run is the end of the game.
                print(f"kill {k + 1}: the game ended before the kill")
                break
            starts = [l for l in out.splitlines() if l.startswith("start")]
            progress.append(starts[0] if starts else "killed before the start")
            for line in err.splitlines():
                if line.startswith("Real Pentaro"):
                    print(line)
            out = None
        if out is None:
            out, err = run(player, killed_dir)
        starts = [l for l in out.splitlines() if l.startswith("start")]
        print("starts after each kill:", progress + starts)
        result = [l for l in out.splitlines() if not l.startswith("start")]
        if result != whole_result:
            sys.exit(f"resume (seed {seed}): the killed game ended differently:\n" + "\n".join(result) +
                     "\n--- uninterrupted:\n" + "\n".join(whole_result))
        resumed = [int(s.split()[-1]) for s in progress + starts if s.startswith("start resumed")]
        if not resumed or resumed != sorted(resumed):
            sys.exit(f"resume (seed {seed}): the restarts did not go on from the saved game: {progress + starts}")
        if "file left 0" not in result:
            sys.exit(f"resume (seed {seed}): the finished game left its file")
        print(f"resume: {len(progress)} kills, resumed {len(resumed)} times, same end")


main()
