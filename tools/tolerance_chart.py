#!/usr/bin/env python3
"""Draws a tolerance run: the histograms of Zdiff, the intra-pair skew and
Scd21, and the yield against the width of the Zdiff window.

    python3 tools/tolerance_chart.py [--calc build/cli/duvane-calc] [--samples 10000] [--out docs/tolerance.png]

The samples are one `duvane-calc tolerance ... --csv` run of a 26 AWG
twinax in foamed PE (the README's example); the yield curve counts, for each
window width, the samples whose Zdiff lies within the window about the
nominal and that meet the other limits of the run, so it needs no more
solves. Needs python3-matplotlib (Debian).
"""

import argparse
import csv
import io
import json
import subprocess

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

CABLE = ["--awg", "26", "--sleeve", "1.1mm", "--er-sleeve", "foam-pe", "--S", "1.15mm", "--D", "2.7mm"]
TOLERANCES = ["--tol", "sleeve=0.01mm", "--tol", "D=0.02mm", "--tol", "er_sleeve=+-0.03",
              "--tol", "offset=0.005mm", "--tol", "d=0.003mm"]
SKEW_MAX = 5.0     # ps/m
SCD21_MAX = -30.0  # dB at 10 GHz


def samples(calc, count):
    command = [calc, "tolerance", *CABLE, *TOLERANCES, "--samples", str(count),
               "--skew-max", "%gps/m" % SKEW_MAX, "--scd21-max", "%gdB@10GHz" % SCD21_MAX, "--csv"]
    out = subprocess.run(command, capture_output=True, text=True, check=True).stdout
    return [row for row in csv.DictReader(io.StringIO(out)) if not row["error"]]


def nominal_zdiff(calc):
    out = subprocess.run([calc, "impedance", *CABLE, "--json"], capture_output=True, text=True,
                         check=True).stdout
    return json.loads(out)["zdiff"]


def draw(rows, centre, out):
    zdiff = [float(r["zdiff_ohm"]) for r in rows]
    skew = [float(r["skew_intra_ps_per_m"]) for r in rows]
    scd21 = [float(r["scd21_dB"]) for r in rows]
    others = [abs(s) <= SKEW_MAX and c <= SCD21_MAX for s, c in zip(skew, scd21)]

    fig, axes = plt.subplots(2, 2, figsize=(10, 7.5), dpi=100)
    for ax, values, label in ((axes[0][0], zdiff, "Zdiff (ohm)"), (axes[0][1], skew, "intra-pair skew (ps/m)"),
                              (axes[1][0], scd21, "Scd21 of 1 m at 10 GHz (dB)")):
        ax.hist(values, bins=60, color="#4c72b0")
        ax.set_xlabel(label)
        ax.set_ylabel("samples")
    axes[0][1].axvspan(-SKEW_MAX, SKEW_MAX, color="0.85", zorder=0)
    axes[1][0].axvline(SCD21_MAX, color="0.4", linestyle="--")

    widths = [0.1 * i for i in range(1, 51)]
    total = len(rows)
    yields = [100.0 * sum(1 for z, ok in zip(zdiff, others) if ok and abs(z - centre) <= w) / total
              for w in widths]
    ax = axes[1][1]
    ax.plot(widths, yields, color="#c44e52")
    ax.set_xlabel("Zdiff window, +- ohm about %.1f ohm" % centre)
    ax.set_ylabel("yield (%)")
    ax.set_ylim(0, 100)
    ax.grid(True, alpha=0.3)
    fig.suptitle("26 AWG foamed-PE twinax, %d samples; sigma D 0.02, Di 0.01, d 0.003, core 1's offset "
                 "0.005 mm; sleeve Er +-0.03 uniform" % total, fontsize=10)
    fig.tight_layout()
    fig.savefig(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--calc", default="build/cli/duvane-calc")
    parser.add_argument("--samples", type=int, default=10000)
    parser.add_argument("--out", default="docs/tolerance.png")
    args = parser.parse_args()
    draw(samples(args.calc, args.samples), nominal_zdiff(args.calc), args.out)


if __name__ == "__main__":
    main()
