#!/usr/bin/env python3
"""Draws the differential insertion loss of a length of twinax against frequency,
with its conductor and dielectric parts, from duvane-calc model's own .s2p files.

    /usr/bin/python3 tools/insertion_loss.py [--calc build/cli/duvane-calc] [--out docs/insertion-loss.png]

The cable: 24 AWG copper in 1.4 mm PTFE sleeves, touching, in a 3.6 mm shield,
10 m, 1 MHz to 20 GHz at 20 points a decade, referenced to its own Zdiff
(duvane-calc impedance's) so that no mismatch ripples the curve. The conductors'
part is the same cable with lossless sleeves (--tand-sleeve 0); the dielectric's
is the rest.
Needs python3-matplotlib (Debian).
"""

import argparse
import json
import math
import os
import subprocess
import tempfile

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

CABLE = ["--awg", "24", "--sleeve", "1.4mm", "--S", "touch", "--D", "3.6mm", "--er-sleeve", "ptfe"]
LINE = ["--freq", "1MHz:20GHz/20", "--length", "10m"]


def zdiff(calc):
    done = subprocess.run([calc, "impedance", *CABLE, "--json"], check=True, capture_output=True, text=True)
    return json.loads(done.stdout)["zdiff"]


def sdd21(calc, folder, name, more):
    stem = os.path.join(folder, name)
    # The .s2p's reference is twice the single-ended one.
    reference = ["--reference", repr(zdiff(calc) / 2)]
    subprocess.run([calc, "model", *CABLE, *LINE, *reference, *more, "--touchstone", stem], check=True)
    frequencies, loss = [], []
    with open(stem + ".s2p") as f:
        for line in f:
            if line.startswith(("!", "#")) or not line.strip():
                continue
            v = [float(x) for x in line.split()]
            frequencies.append(v[0])
            loss.append(-20 * math.log10(math.hypot(v[3], v[4])))  # S21 = v[3] + j v[4]
    return frequencies, loss


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--calc", default="build/cli/duvane-calc")
    parser.add_argument("--out", default="docs/insertion-loss.png")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        f, total = sdd21(args.calc, folder, "total", [])
        _, conductors = sdd21(args.calc, folder, "conductors", ["--tand-sleeve", "0"])
    dielectric = [t - c for t, c in zip(total, conductors)]
    fig, ax = plt.subplots(figsize=(7, 4.2), dpi=110)
    ax.semilogx(f, total, label="total")
    ax.semilogx(f, conductors, "--", label="conductors")
    ax.semilogx(f, dielectric, ":", label="dielectric (PTFE, tan δ 2e-4)")
    ax.set_xlabel("frequency (Hz)")
    ax.set_ylabel("differential insertion loss (dB)")
    ax.set_title("10 m of 24 AWG twinax in PTFE, from duvane-calc model")
    ax.grid(True, which="both", alpha=0.3)
    ax.legend()
    fig.tight_layout()
    fig.savefig(args.out)
    print(args.out, "at 1 GHz: %.2f dB, at 10 GHz: %.2f dB" % (
        total[min(range(len(f)), key=lambda i: abs(f[i] - 1e9))],
        total[min(range(len(f)), key=lambda i: abs(f[i] - 1e10))]))


if __name__ == "__main__":
    main()
