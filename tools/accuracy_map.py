#!/usr/bin/env python3
"""Draws how far the five-charge figure lies from the converged solution.

    python3 tools/accuracy_map.py [--calc build/cli/duvane-calc] [--out docs/accuracy-map.png]

Every point of a grid over the valid S/D x D/d range goes through
`duvane-calc impedance --batch --compare --json`, so the picture comes from
the project's own two solvers. The colour is the larger of |Ze| and |Zo|
deviation (five-charge / converged - 1); contour lines mark 0.1 %, 1 % and
10 %. Needs python3-matplotlib (Debian).
"""

import argparse
import json
import math
import subprocess

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

SD = np.linspace(0.02, 0.9, 221)
DD = np.geomspace(2.02, 100.0, 221)


def valid(sd, dd):
    """The calculator's own checks: cores apart, and inside the shield."""
    return sd * dd > 1 and dd * (1 - sd) > 1


def deviations(calc):
    cases = [(i, j) for j, dd in enumerate(DD) for i, sd in enumerate(SD) if valid(sd, dd)]
    lines = "".join("%r %r\n" % (SD[i], DD[j]) for i, j in cases)
    out = subprocess.run([calc, "impedance", "--batch", "--compare", "--json"], input=lines,
                         capture_output=True, text=True, check=True).stdout
    worst = np.full((len(DD), len(SD)), np.nan)
    unknown = np.zeros((len(DD), len(SD)), dtype=bool)
    for (i, j), line in zip(cases, out.splitlines()):
        case = json.loads(line)
        if "ze_deviation" in case:
            worst[j, i] = max(abs(case["ze_deviation"]), abs(case["zo_deviation"]))
        elif "ze" in case:
            unknown[j, i] = True  # a gap too narrow for the converged solver
    return worst, unknown


def draw(worst, unknown, out):
    fig, ax = plt.subplots(figsize=(8, 6), dpi=110)
    ax.set_facecolor("0.85")  # shapes the calculator refuses
    levels = np.log10(np.clip(worst, 1e-5, 1))
    mesh = ax.pcolormesh(SD, DD, levels, shading="nearest", cmap="viridis", vmin=-5, vmax=0)
    ax.pcolormesh(SD, DD, np.where(unknown, 1.0, np.nan), shading="nearest", cmap="Greys", vmin=0, vmax=2)
    lines = ax.contour(SD, DD, levels, levels=[-3, -2, -1], colors=["white", "orange", "red"], linewidths=1.2)
    ax.clabel(lines, fmt={-3: "0.1 %", -2: "1 %", -1: "10 %"}, fontsize=9)
    ax.set_yscale("log")
    ax.set_xlabel("S/D")
    ax.set_ylabel("D/d")
    ax.set_title("Five-charge deviation from the converged solution, larger of |Ze| and |Zo|")
    bar = fig.colorbar(mesh, ax=ax)
    bar.set_ticks(range(-5, 1))
    bar.set_ticklabels(["%g %%" % (100 * 10.0 ** k) for k in range(-5, 1)])
    ax.text(0.02, 0.02, "light grey: outside the calculator's checks; mid grey: a gap below 0.01 r",
            transform=ax.transAxes, fontsize=8)
    fig.tight_layout()
    fig.savefig(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--calc", default="build/cli/duvane-calc")
    parser.add_argument("--out", default="docs/accuracy-map.png")
    args = parser.parse_args()
    worst, unknown = deviations(args.calc)
    draw(worst, unknown, args.out)
    known = worst[~np.isnan(worst)]
    print("%s: %d shapes, %d beyond the converged reach; deviation above 0.1 %% at %.1f %%"
          % (args.out, known.size + unknown.sum(), unknown.sum(), 100 * np.mean(known > 1e-3)))


if __name__ == "__main__":
    main()
