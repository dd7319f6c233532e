#!/usr/bin/env python3
"""Draws a design chart: Zdiff against S/D for several D/d, by both methods.

    python3 tools/design_chart.py [--calc build/cli/duvane-calc] [--er 1] [--out docs/design-chart.png]

Each curve is one `duvane-calc impedance --sweep sd=... --sweep dd=... --csv`
run, once with the five-charge calculator (solid) and once with
`--method converged` (dashed), so the chart comes from the program as a user
runs it. Shapes either method refuses (cores touching, a gap too narrow) are
left out. Needs python3-matplotlib (Debian).
"""

import argparse
import csv
import io
import subprocess

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

RATIOS = [3, 4, 6, 8, 12, 20]  # D/d
SWEEP = "sd=0.05:0.9:0.005"


def curves(calc, er, method):
    """{D/d: ([S/D], [Zdiff])} from one sweep, the failed cases left out."""
    command = [calc, "impedance", "--sweep", SWEEP, "--sweep", "dd=" + ",".join(map(str, RATIOS)),
               str(er), "--csv", "--method", method]
    out = subprocess.run(command, capture_output=True, text=True, check=True).stdout
    found = {dd: ([], []) for dd in RATIOS}
    for row in csv.DictReader(io.StringIO(out)):
        if row["error"]:
            continue
        sd, zdiff = found[int(float(row["dd"]))]
        sd.append(float(row["sd"]))
        zdiff.append(float(row["zdiff_ohm"]))
    return found


def draw(five_charge, converged, er, out):
    fig, ax = plt.subplots(figsize=(8, 6), dpi=110)
    colours = plt.cm.viridis([i / (len(RATIOS) - 1) for i in range(len(RATIOS))])
    for colour, dd in zip(colours, RATIOS):
        ax.plot(*five_charge[dd], color=colour, linewidth=1.6, label="D/d = %g" % dd)
        ax.plot(*converged[dd], color=colour, linewidth=1.0, linestyle=(0, (4, 3)))
    ax.plot([], [], color="0.3", linewidth=1.6, label="five-charge")
    ax.plot([], [], color="0.3", linewidth=1.0, linestyle=(0, (4, 3)), label="converged")
    ax.set_xlabel("S/D")
    ax.set_ylabel("Zdiff (ohm)")
    ax.set_xlim(0, 0.9)
    ax.set_ylim(bottom=0)
    ax.grid(True, color="0.88")
    ax.set_title("Zdiff = 2 Zo of shielded twin-core cable, Er = %g" % er)
    ax.legend(loc="upper left", fontsize=9)
    ax.text(0.99, 0.99, "missing: shapes a method refuses\n(cores touching, gaps too narrow)",
            transform=ax.transAxes, fontsize=8, ha="right", va="top")
    fig.tight_layout()
    fig.savefig(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--calc", default="build/cli/duvane-calc")
    parser.add_argument("--er", type=float, default=1.0)
    parser.add_argument("--out", default="docs/design-chart.png")
    args = parser.parse_args()
    five_charge = curves(args.calc, args.er, "five-charge")
    converged = curves(args.calc, args.er, "converged")
    draw(five_charge, converged, args.er, args.out)
    points = sum(len(five_charge[dd][0]) for dd in RATIOS)
    print("%s: %d shapes, D/d %s" % (args.out, points, ", ".join(map(str, RATIOS))))


if __name__ == "__main__":
    main()
