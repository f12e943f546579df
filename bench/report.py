#!/usr/bin/python3
"""Writes docs/performance.md from one run of bench/measure.sh.
    report.py MEDIANS.json ROLL_CPU_MS ROLL_IDLE_MS ROLL_FILES SOUND [ADVISOR.txt]
ADVISOR.txt is the output of build/bench_advisor (its key=value lines), with
that of build/bench/bench_opponents appended for the computer players."""

import datetime
import json
import sys


def verdict(ok):
    return "met" if ok else "**not met**"


def advisor_section(path):
    if not path:
        return ""
    figures = {}
    with open(path) as f:
        for line in f:
            first = None
            for item in line.split():
                if "=" in item:
                    key, value = item.split("=", 1)
                    # "level_..._mean=M se=S": the error belongs to the first key.
                    if key == "se" and first:
                        key = first + "_se"
                    first = first or key
                    figures[key] = value
    g = figures.get
    solve, size = float(g("solve_s", "nan")), int(g("table_bytes", "0"))
    advise, load = float(g("advise_ms", "nan")), float(g("load_ms", "nan"))
    start, mean, se = float(g("start_value", "nan")), float(g("sim_mean", "nan")), float(g("sim_se", "nan"))
    off = (mean - start) / se if se else float("nan")
    return f"""
## The advisor

`build/bench_advisor` (one core, one run; the solve is the median of three).
How the table is built and what the figures mean: [advisor.md](advisor.md).

| | measured | goal | |
|---|---:|---|---|
| solve the whole one-column table | {solve:.2f} s | ≤ 10 s | {verdict(solve <= 10)} |
| the table on disk (`advisor.bin`) | {size / 1e6:.2f} MB | ≤ 16 MB | {verdict(size <= 16e6)} |
| load the table (first hint) | {load:.2f} ms | ≤ 200 ms | {verdict(load <= 200)} |
| one `advise` call | {advise:.3f} ms | ≤ 5 ms | {verdict(advise <= 5)} |
| expected score with best play from the start | {start:.6f} | | |
| {g("sim_games", "?")} solo one-column games by the advisor | {mean:.2f} ± {se:.2f} ({off:+.1f} s.e.) | within 3 s.e. | {verdict(abs(off) <= 3)} |
| the same by the greedy player (most points now) | {float(g("greedy1_mean", "nan")):.2f} | | |
| the same by the random benchmark player | {float(g("random_mean", "nan")):.2f} | | |
| three columns: heuristic / greedy | {float(g("heuristic_mean", "nan")):.1f} / {float(g("greedy_mean", "nan")):.1f} | | |
""" + opponents_section(figures)


def opponents_section(figures):
    """The computer players, when the file holds bench_opponents' lines too."""
    g = figures.get
    if "level_one_hard_mean" not in figures:
        return ""
    goals = {("one", "hard"): "within 3 s.e. of the start value", ("one", "medium"): "235–245",
             ("one", "easy"): "200–215", ("three", "hard"): "≥ 2035",
             ("three", "medium"): "below Hard", ("three", "easy"): "below Medium"}
    rows = []
    for cols in ("one", "three"):
        for level in ("hard", "medium", "easy"):
            key = f"level_{cols}_{level}_mean"
            rows.append(f"| {cols} column{'s' if cols == 'three' else ''}, {level.capitalize()} "
                        f"| {float(g(key, 'nan')):.2f} ± {float(g(key + '_se', 'nan')):.2f} "
                        f"| {goals[(cols, level)]} |")
    one, three = float(g("decide_ms_one", "nan")), float(g("decide_ms_three", "nan"))
    refusals = int(g("refusals", "-1"))
    table = "\n".join(rows)
    return f"""
## The computer players

`build/bench/bench_opponents` (solo games through the rules, random dice).

| level | mean ± s.e. | goal |
|---|---:|---|
{table}
| one decision, one column (median) | {one:.4f} ms | ≤ 1 ms, {verdict(one <= 1)} |
| one decision, three columns (median) | {three:.4f} ms | ≤ 20 ms, {verdict(three <= 20)} |
| refused clicks | {refusals} | 0, {verdict(refusals == 0)} |
"""


def in_progress_rows(m):
    """Resident memory with a game in progress, beside the peer's."""
    rows = m.get("in_progress")
    if not rows:
        return ""
    peer = rows.get("peer", {}).get("rss_mb")
    out = []
    for name, goal in (("100", 40), ("150", 44), ("auto", peer)):
        if name not in rows:
            continue
        rss = rows[name]["rss_mb"]
        label = "at the zoom it picks for 1080p" if name == "auto" else f"at {name} %"
        goal_text = f"≤ the peer's {peer:.1f} MB" if name == "auto" and peer else f"≤ {goal} MB" if goal else ""
        ok = verdict(rss <= goal) if goal else ""
        out.append(f"| resident memory, a game in progress, {label} | | {rss:.1f} MB | | {goal_text} | {ok} |")
    return "\n".join(out)


def main():
    medians_path, roll_cpu, roll_idle, roll_files, sound = sys.argv[1:6]
    advisor = sys.argv[6] if len(sys.argv) > 6 else ""
    with open(medians_path) as f:
        m = json.load(f)
    bare, game, runs = m["bare"], m["game"], m["runs"]
    roll_cpu, roll_idle, roll_files = float(roll_cpu), float(roll_idle), int(roll_files)
    map_ratio = game["map_ms"] / bare["map_ms"]
    today = datetime.date.today().isoformat()
    print(f"""# Performance

What a player feels at the start, while the game waits, and on a roll, measured
by `bench/measure.sh` ({today}, {runs} runs, medians). The machine is a shared
2-core box whose load comes and goes, so every figure stands beside a bare Qt 6
Widgets window of the table's size (`bench/bare_window.cpp`) measured in the same
run, the two started in turn; read the ratios rather than the milliseconds.

| | bare window | Real Pentaro | ratio | goal | |
|---|---:|---:|---:|---|---|
| start to first window mapped | {bare['map_ms']:.1f} ms | {game['map_ms']:.1f} ms | {map_ratio:.2f} × | ≤ 1.15 × bare | {verdict(map_ratio <= 1.15)} |
| resident memory 3 s after the table shows | {bare['rss_mb']:.1f} MB | {game['rss_mb']:.1f} MB | {game['rss_mb'] / bare['rss_mb']:.2f} × | | |
{in_progress_rows(m)}
| CPU of ten idle seconds (utime + stime) | {bare['idle_cpu_ms']:.0f} ms | {game['idle_cpu_ms']:.0f} ms | | 0 | {verdict(game['idle_cpu_ms'] == 0)} |
| the same, threads' run time from schedstat | {bare['idle_run_ms']:.2f} ms | {game['idle_run_ms']:.2f} ms | | | |
| CPU of one roll of five dice, animation and pause included | {roll_idle:.2f} ms idle | {roll_cpu:.2f} ms | | ≤ 10 ms | {verdict(roll_cpu <= 10)} |
| files opened during 5 rolls | | {roll_files} | | none | {verdict(roll_files == 0)} |

## How

- **Display**: a private `Xvfb` (1920 × 1080, 24 bit) with no window manager, so
  nothing reparents or delays a window; {sound}, so that opening the sound device
  counts in the start as it does for a player.
- **Start to first window mapped**: `bench/measure.py` is an X client listening
  for `SubstructureNotify` on the root window. It notes the time, starts the
  program, and stops the clock at the first `MapNotify` of a window whose
  `_NET_WM_PID` is the child. That is the first window the player sees: the
  splash. A first start of each
  program, not counted, writes the settings file and warms the page cache.
- **Resident memory**: `VmRSS` from `/proc/PID/status`, 3 s after the window
  titled "Real Pentaro" (for the bare one, its own title) is mapped.
- **Idle CPU**: `utime + stime` from `/proc/PID/stat` (10 ms ticks) over the
  ten seconds after that, with a game in progress on the table; beside it the
  run time of all the process's threads from `/proc/PID/task/*/schedstat`,
  which counts nanoseconds.
- **One roll**: `build/bench_table_roll` (the real table window, offscreen)
  rolls 15 times from a fresh turn and prints the median process CPU of a roll,
  600 ms from the press, beside the CPU of the same 600 ms idle; the quoted
  figure is the median of the {runs} runs' medians. A run under
  `strace -f -e trace=open,openat,openat2` lists every open between the two
  marker paths the benchmark opens before and after its rolls.

Run it again with `bench/measure.sh [RUNS] [--write docs/performance.md]
[--advisor FILE]` (it builds `realpentaro`, `bench_bare_window` and
`bench_table_roll` first; FILE is what `build/bench_advisor` printed).
{advisor_section(advisor)}""")


if __name__ == "__main__":
    main()
