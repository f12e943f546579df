#!/usr/bin/python3
"""Resident (RSS) and proportional (PSS) memory of a running process, by what
holds it, from /proc/PID/smaps. Used by bench/measure.py; on its own:
    bench/memory.py PID
prints the account as a table."""

import re
import sys

# First match wins: (what holds it, pattern on the mapping's path).
KINDS = [
    ("the solved table (advisor.bin)", r"advisor\.bin$"),
    ("the sound stack", r"realpentaro_sound|libQt6Multimedia|libav|libsw|libpulse|libasound|"
                        r"libcanberra|libsndfile|libvorbis|libogg|libFLAC|libopus|libmp3lame|libmpg123|"
                        r"libva|libvdpau|libdrm|libX11-xcb|libspeex|libsoxr|libsystemd|libgsm|"
                        r"libltdl|libtdb|/multimedia/"),
    ("Qt's plugins (platform, image formats, accessibility bridge)", r"/qt6/plugins/"),
    ("Qt's own libraries", r"libQt6"),
    ("ICU (text boundaries, codecs)", r"libicu"),
    ("fonts", r"\.(ttf|otf|ttc|pfb|pcf(\.gz)?)$|/fonts/|fontconfig"),
    ("the program", r"realpentaro$|bare_window$|/tali$"),
    ("C++ and C runtime", r"libstdc\+\+|libc\.so|libm\.so|libgcc_s|ld-linux"),
    ("X, GL and desktop libraries", r"libxcb|libX|libGL|libEGL|libGLX|libGLdispatch|libxkb|libdbus|"
                                    r"libglib|libgobject|libgio|libgmodule|libgtk|libgdk|libatk|"
                                    r"libatspi|libcairo|libpango|libharfbuzz|libfreetype|libfontconfig|"
                                    r"libpng|libjpeg|libgif|libpixman|libepoxy"),
    ("window backing store (shared memory with the X server)", r"^/SYSV|/dev/shm|memfd:"),
    ("heap (malloc: decoded and scaled pictures, widgets, the game)", r"^\[heap\]$|^$"),
    ("stacks", r"^\[stack"),
    ("other libraries", r"\.so"),
]


def account(pid):
    """{kind: [rss_kb, pss_kb]}, with 'total'."""
    totals = {}
    path = ""
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            first = line.split(None, 1)[0]
            if "-" in first and not first.endswith(":"):
                parts = line.split(None, 5)
                path = parts[5].strip() if len(parts) > 5 else ""
                continue
            if first not in ("Rss:", "Pss:"):
                continue
            kind = next((k for k, p in KINDS if re.search(p, path)), "other")
            row = totals.setdefault(kind, [0, 0])
            row[0 if first == "Rss:" else 1] += int(line.split()[1])
    totals["total"] = [sum(r[0] for r in totals.values()), sum(r[1] for r in totals.values())]
    return totals


def table(columns):
    """columns: {heading: account}; a Markdown table in MB, rows by size."""
    kinds = sorted({k for a in columns.values() for k in a if k != "total"},
                   key=lambda k: -max(a.get(k, [0, 0])[0] for a in columns.values()))
    lines = ["| what holds it | " + " | ".join(columns) + " |",
             "|---|" + "---:|" * len(columns)]
    for k in kinds + ["total"]:
        cells = []
        for a in columns.values():
            rss, pss = a.get(k, [0, 0])
            cells.append(f"{rss / 1024:.1f} / {pss / 1024:.1f}")
        name = f"**{k}**" if k == "total" else k
        lines.append(f"| {name} | " + " | ".join(cells) + " |")
    return "\n".join(lines)


if __name__ == "__main__":
    print(table({f"RSS / PSS MB of {sys.argv[1]}": account(int(sys.argv[1]))}))
