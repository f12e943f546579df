#!/usr/bin/python3
"""Start-up, memory and idle CPU of the game beside a bare Qt window.
Started by bench/measure.sh, which brings up the X display (no window
manager), a private sound server and the programs; not a test.

For each run and each program, in turn:
  map    process start to the MapNotify of its first window (a window whose
         _NET_WM_PID is the child), seen by this X client on the root window;
  rss    VmRSS 3 s after its main window (by title) is mapped;
  idle   utime+stime over the 10 s after that (and the threads' run time from
         schedstat, which counts in nanoseconds rather than 10 ms ticks).
Then, with a game in progress (a kept four-player game, resumed by a key on
the question the game asks): VmRSS 3 s after the resume at 100 %, at 150 %
and at the zoom the game picks for the screen, beside the peer's (--peer, a
window of its own, 3 s after it maps), with the account by mapping of each.
Medians of the runs are printed, with the ratios game / bare.
"""

import argparse
import json
import os
import signal
import statistics
import subprocess
import sys
import time

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

import memory

TICK_MS = 1000.0 / os.sysconf("SC_CLK_TCK")


def cpu_ticks_ms(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * TICK_MS  # utime, stime


def run_ns(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except OSError:
            pass  # a thread that just ended
    return total


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    raise RuntimeError("no VmRSS")


class Watcher:
    """An X client that sees every top-level window being mapped."""

    def __init__(self):
        self.d = xdisplay.Display()
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.pid_atom = self.d.intern_atom("_NET_WM_PID")
        self.name_atom = self.d.intern_atom("_NET_WM_NAME")
        self.utf8 = self.d.intern_atom("UTF8_STRING")
        self.d.sync()

    def window_pid(self, window):
        try:
            prop = window.get_full_property(self.pid_atom, X.AnyPropertyType)
        except Exception:
            return None
        return prop.value[0] if prop and len(prop.value) else None

    def window_title(self, window):
        try:
            prop = window.get_full_property(self.name_atom, self.utf8)
            if prop:
                value = prop.value
                return value.decode("utf-8") if isinstance(value, bytes) else str(value)
            return window.get_wm_name() or ""
        except Exception:
            return ""

    def drain(self):
        while self.d.pending_events():
            self.d.next_event()

    def press(self, keysym):
        code = self.d.keysym_to_keycode(keysym)
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.sync()

    def wait_map(self, pid, title, process, bound, count=1):
        """Seconds (monotonic) at which the child's first window and the
        count-th window titled title were mapped."""
        first = None
        seen = 0
        end = time.monotonic() + bound
        while time.monotonic() < end:
            if process.poll() is not None:
                raise RuntimeError(f"the program ended with status {process.returncode}")
            if not self.d.pending_events():
                time.sleep(0.001)
                continue
            event = self.d.next_event()
            now = time.monotonic()
            if event.type != X.MapNotify or self.window_pid(event.window) != pid:
                continue
            if first is None:
                first = now
            if self.window_title(event.window) == title:
                seen += 1
                if seen == count:
                    return first, now
        raise RuntimeError(f"no window {title!r} of process {pid} mapped in {bound} s")


def stop(process):
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def measure_once(watcher, command, title, env, settle, idle):
    watcher.drain()
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, cwd="/", stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        first, main = watcher.wait_map(process.pid, title, process, bound=120)
        time.sleep(max(0.0, main + settle - time.monotonic()))
        rss = rss_mb(process.pid)
        ticks0, ns0 = cpu_ticks_ms(process.pid), run_ns(process.pid)
        time.sleep(idle)
        ticks1, ns1 = cpu_ticks_ms(process.pid), run_ns(process.pid)
        return {"map_ms": (first - start) * 1000.0, "rss_mb": rss,
                "idle_cpu_ms": ticks1 - ticks0, "idle_run_ms": (ns1 - ns0) / 1e6}
    finally:
        stop(process)


def measure_game(watcher, command, title, env, settle, resume=True):
    """VmRSS (MB) and the account, settle seconds after a kept game was
    resumed (the question shares the table's title and shows after it), or
    after the first window titled title maps when resume is False."""
    watcher.drain()
    process = subprocess.Popen(command, env=env, cwd="/", stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        _, shown = watcher.wait_map(process.pid, title, process, bound=120, count=2 if resume else 1)
        if resume:
            time.sleep(0.5)  # the question takes the keyboard as it shows
            watcher.press(XK.string_to_keysym("Return"))
        time.sleep(settle)
        return {"rss_mb": rss_mb(process.pid), "account": memory.account(process.pid)}
    finally:
        stop(process)


def game_config(base, name, zoom, game_file):
    """A settings folder with the zoom chosen (None: the game picks) and the
    kept game in it."""
    folder = os.path.join(base, name)
    os.makedirs(os.path.join(folder, "RealPentaro"), exist_ok=True)
    with open(os.path.join(folder, "RealPentaro", "RealPentaro.ini"), "w") as f:
        f.write("[Params]\nSound=-1\n" + (f"Zoom={zoom}\n" if zoom else ""))
    with open(game_file, "rb") as src, open(os.path.join(folder, "RealPentaro", "game.ini"), "wb") as dst:
        dst.write(src.read())
    return folder


def in_progress(watcher, args, env, game_command):
    """Medians with a game in progress: {"100"|"150"|"auto"|"peer": {rss_mb,
    account}}, the account being that of the run with the median RSS."""
    base = os.path.join(args.config, "in-progress")
    cases = {"100": 100, "150": 150, "auto": None}
    results = {name: [] for name in list(cases) + (["peer"] if args.peer else [])}
    for run in range(1, args.runs + 1):
        for name, zoom in cases.items():
            folder = game_config(base, f"{name}-{run}", zoom, args.kept_game)
            r = measure_game(watcher, game_command, "Real Pentaro", dict(env, XDG_CONFIG_HOME=folder), args.settle)
            results[name].append(r)
            print(f"run {run} game in progress at {name:4}: rss {r['rss_mb']:5.1f} MB", flush=True)
        if args.peer:
            r = measure_game(watcher, [args.peer], args.peer_title,
                             dict(env, XDG_CONFIG_HOME=os.path.join(base, "peer")), args.settle, resume=False)
            results["peer"].append(r)
            print(f"run {run} peer: rss {r['rss_mb']:5.1f} MB", flush=True)
    medians = {}
    for name, rs in results.items():
        ordered = sorted(rs, key=lambda r: r["rss_mb"])
        medians[name] = ordered[(len(ordered) - 1) // 2]
    print(memory.table({f"{n} (RSS / PSS MB)": m["account"] for n, m in medians.items()}))
    return medians


def session_bus():
    """A private D-Bus session bus (the accessibility bridge finds its own
    bus through it): (process, address)."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    return bus, bus.stdout.readline().strip()


def account(watcher, args, env, game_command):
    """One run of each case, the account of each as a table: the table
    before any game, a game in progress at 100 % and 150 %, without a sound
    server, and with the accessibility bridge on a bus of its own."""
    base = os.path.join(args.config, "account")
    columns = {}
    before = game_config(base, "before", 100, args.kept_game)
    os.remove(os.path.join(before, "RealPentaro", "game.ini"))
    r = measure_game(watcher, game_command, "Real Pentaro", dict(env, XDG_CONFIG_HOME=before), args.settle,
                     resume=False)
    columns["table, no game, 100 %"] = r["account"]
    for name, zoom, extra in [("game, 100 %", 100, {}), ("game, 150 %", 150, {}),
                              ("game, 100 %, no sound server", 100,
                               {"PULSE_SERVER": "unix:/nonexistent/rp-no-audio"})]:
        folder = game_config(base, name.replace(" ", "").replace(",", "-").replace("%", ""), zoom, args.kept_game)
        r = measure_game(watcher, game_command, "Real Pentaro", dict(env, XDG_CONFIG_HOME=folder, **extra),
                         args.settle)
        columns[name] = r["account"]
    bus, address = session_bus()
    try:
        folder = game_config(base, "a11y", 100, args.kept_game)
        r = measure_game(watcher, game_command, "Real Pentaro",
                         dict(env, XDG_CONFIG_HOME=folder, DBUS_SESSION_BUS_ADDRESS=address,
                              QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), args.settle)
        columns["game, 100 %, accessibility bridge"] = r["account"]
    finally:
        bus.terminate()
        bus.wait()
    print(memory.table(columns))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--game", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--config", required=True, help="XDG_CONFIG_HOME for the game")
    parser.add_argument("--settle", type=float, default=3.0)
    parser.add_argument("--idle", type=float, default=10.0)
    parser.add_argument("--json", help="write the medians here")
    parser.add_argument("--kept-game", help="a game file to resume for the runs with a game in progress")
    parser.add_argument("--peer", help="the peer program, measured beside the game in progress")
    parser.add_argument("--peer-title", default="Tali")
    parser.add_argument("--account", action="store_true", help="only the account, one run of each case")
    args = parser.parse_args()

    env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=args.config)
    programs = {"bare": ([os.path.abspath(args.bare)], "Bare Window"),
                "game": ([os.path.abspath(args.game)], "Real Pentaro")}
    watcher = Watcher()
    if args.account:
        account(watcher, args, env, programs["game"][0])
        return 0
    # A first start of each, not counted: it writes the game's settings file
    # and brings both programs' files into the page cache.
    for command, title in programs.values():
        measure_once(watcher, command, title, env, 0.2, 0.1)

    results = {name: [] for name in programs}
    for run in range(1, args.runs + 1):
        for name, (command, title) in programs.items():  # interleaved, same conditions
            r = measure_once(watcher, command, title, env, args.settle, args.idle)
            results[name].append(r)
            print(f"run {run} {name:4}: map {r['map_ms']:7.1f} ms  rss {r['rss_mb']:5.1f} MB  "
                  f"idle {r['idle_cpu_ms']:5.1f} ms (run time {r['idle_run_ms']:6.2f} ms)", flush=True)

    medians = {name: {key: statistics.median(r[key] for r in rs) for key in rs[0]}
               for name, rs in results.items()}
    medians["runs"] = args.runs
    bare, game = medians["bare"], medians["game"]
    print(f"median bare: map {bare['map_ms']:.1f} ms, rss {bare['rss_mb']:.1f} MB, "
          f"idle {bare['idle_cpu_ms']:.1f} ms ({bare['idle_run_ms']:.2f} ms run)")
    print(f"median game: map {game['map_ms']:.1f} ms, rss {game['rss_mb']:.1f} MB, "
          f"idle {game['idle_cpu_ms']:.1f} ms ({game['idle_run_ms']:.2f} ms run)")
    print(f"ratio game/bare: map {game['map_ms'] / bare['map_ms']:.2f}x, "
          f"rss {game['rss_mb'] / bare['rss_mb']:.2f}x")
    lines = {"start_ratio": f"{game['map_ms'] / bare['map_ms']:.3f}"}
    if args.kept_game:
        medians["in_progress"] = in_progress(watcher, args, env, programs["game"][0])
        for name, m in medians["in_progress"].items():
            lines[f"rss_kb_{name}"] = str(round(m["rss_mb"] * 1024))
    print(" ".join(f"{k}={v}" for k, v in lines.items()))
    if args.json:
        with open(args.json, "w") as f:
            json.dump(medians, f, indent=1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
