"""scikit-rf reads every Touchstone file of the fixture (duvane-calc's own,
and write_models' lossless lines), and finds: every network reciprocal and
passive, the lossless ones lossless; its own mixed-mode conversion (se2gmm)
of each .s4p equal to the .s2p beside it (Sdd); a mirror-symmetric pair
converting no mode; and, for the lossless line in one dielectric, Sdd and
Scc equal to skrf's ideal line of Zdiff (Zcm) and the mode's delay.

    check_touchstone.py FOLDER
"""
import glob
import json
import os
import sys

import numpy
# Debian 12's scikit-rf 0.15.4 still names numpy.bool (in se2gmm) and
# numpy.complex (in renormalize), which Debian's numpy 1.24 removed; the
# aliases give it back the plain types they always meant.
numpy.bool = bool
numpy.complex = complex
try:
    import skrf
    from skrf.media import DefinedGammaZ0
except ImportError:
    print("scikit-rf is missing (python3-scikit-rf; tools/setup.sh installs it): skipped")
    sys.exit(77)  # CTest's SKIP_RETURN_CODE

TOLERANCE = 1e-9
failures = []
largest_seen = {}


def check(condition, what, value=None):
    if not condition:
        failures.append(what)
        print("FAIL", what)
    if value is not None:
        kind = what.split(": ", 1)[1].split(",")[0].split(" (")[0]
        largest_seen[kind] = max(largest_seen.get(kind, 0.0), value)


def worst(a):
    return float(numpy.max(numpy.abs(a)))


def mixed_mode(four_port, sequential):
    """skrf 0.15 pairs single-ended ports (1, 2) and (3, 4) into its mixed-mode
    ports: that is the sequential numbering (near 1, near 2 | far 1, far 2);
    the through numbering (near 1, far 1, near 2, far 2) is renumbered first."""
    n = four_port.copy()
    if not sequential:
        n.renumber([0, 1, 2, 3], [0, 2, 1, 3])
    n.se2gmm(p=2)
    return n


folder = sys.argv[1]
facts = json.load(open(os.path.join(folder, "facts.json")))
files = sorted(glob.glob(os.path.join(folder, "*.s4p")) + glob.glob(os.path.join(folder, "*.s2p")))
# Seven cases (three lossless, four by duvane-calc), each through and
# sequential, each a .s4p and its .s2p.
check(len(files) == 28, "28 Touchstone files, found %d" % len(files))
for path in files:
    name = os.path.basename(path)
    n = skrf.Network(path)
    s = n.s
    check(numpy.all(numpy.diff(n.f) > 0), name + ": frequencies increase")
    asymmetry = worst(s - numpy.transpose(s, (0, 2, 1)))
    check(asymmetry <= TOLERANCE, name + ": reciprocal, |S - S^T| = %.3g" % asymmetry, asymmetry)
    largest = max(numpy.linalg.svd(m, compute_uv=False)[0] for m in s)
    check(largest <= 1 + TOLERANCE, name + ": passive (largest singular value %.17g)" % largest, largest)
    # An unequal pair's Sdd alone loses power to the common mode.
    if "_lossless" in name and (name.endswith(".s4p") or not name.startswith("unequal")):
        unitary = numpy.einsum("fji,fjk->fik", s.conj(), s) - numpy.eye(s.shape[1])
        check(worst(unitary) <= TOLERANCE, name + ": lossless, |S^H S - I| = %.3g" % worst(unitary), worst(unitary))

for four in sorted(glob.glob(os.path.join(folder, "*.s4p"))):
    name = os.path.basename(four)
    mm = mixed_mode(skrf.Network(four), name.endswith("_seq.s4p"))
    dd = skrf.Network(four[:-len(".s4p")] + ".s2p")
    check(numpy.allclose(mm.z0[:, :2], 100) and numpy.allclose(mm.z0[:, 2:], 25), name + ": se2gmm's references")
    gap = worst(mm.s[:, :2, :2] - dd.s)
    check(gap <= TOLERANCE, name + ": se2gmm Sdd = .s2p, off by %.3g" % gap, gap)
    if name.startswith("unequal"):
        check(worst(mm.s[:, 2:, :2]) > 1e-3, name + ": an unequal pair converts modes")
    else:
        conversion = worst(mm.s[:, :2, 2:])
        check(conversion <= TOLERANCE, name + ": a symmetric pair converts no mode, %.3g" % conversion, conversion)

# One dielectric, no loss: each mode is an ideal line. Above DC only: at 0 Hz
# the line is a through, whose impedance matrix skrf's renormalize divides
# by zero to find.
f = facts["homogeneous_lossless"]
four = skrf.Network(os.path.join(folder, "homogeneous_lossless.s4p"))["10kHz-100GHz"]
dd = skrf.Network(os.path.join(folder, "homogeneous_lossless.s2p"))["10kHz-100GHz"]
cc = mixed_mode(four, False).s[:, 2:, 2:]
for mode, ours, impedance, delay, reference in (("Sdd", dd.s, f["zdiff"], f["delay_odd"], 100),
                                               ("Scc", cc, f["zcm"], f["delay_even"], 25)):
    medium = DefinedGammaZ0(frequency=dd.frequency, z0=impedance, gamma=2j * numpy.pi * dd.f * delay)
    ideal = medium.line(f["length"], unit="m")
    ideal.renormalize(reference)
    gap = worst(ideal.s - ours)
    check(dd.f[0] > 0 and gap <= TOLERANCE, "homogeneous_lossless " + mode + ": skrf's ideal line, off by %.3g" % gap,
          gap)

for kind, value in sorted(largest_seen.items()):
    print("largest: %s: %.3g" % (kind, value))
print("%d files, %d failures" % (len(files), len(failures)))
sys.exit(1 if failures else 0)
