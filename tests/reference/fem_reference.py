#!/usr/bin/python3
"""Second-order FEM reference for insulated and foil-wrapped twin cores.

What it solves: the 2-D electrostatic field in the cross-section of a shielded
pair.  The two conductors are holes at fixed potentials; each may sit in a
dielectric sleeve (eccentric or not); a filler fills the rest of the shield.
The shield is a circle ("round") or the outline drawn tight round both sleeves
with a clearance t ("foil": the convex hull of circles of radius Di/2 + t),
optionally with a bare drain wire at the shield's potential in the upper
groove.  For each case it computes the 2x2 Maxwell capacitance matrix per
length, C with the dielectrics and C0 with every Er = 1, in pF/m.

How: gmsh builds the exact geometry (circle arcs and straight lines; touching
curves share one vertex), meshes it with second-order triangles whose edge
nodes lie on the curves, and refines it uniformly three times (each triangle
split in four, new boundary nodes put on the curves again), so that the four
levels form one family with h halved at each step.  getdp solves the two
excitations V = (1, 0) and (0, 1) with isoparametric P2 elements, once with
the dielectrics and once in vacuum.

Charges come from energies, C_ij = integral of eps grad(u_i) . grad(u_j)
(the reaction of one solution on the other): with exact boundary values
C_ij(h) - C_ij = a(e_i, e_j), so every entry converges at the rate of the
energy, h^4 where the field is smooth, the diagonal from above.  Each entry is
extrapolated by Richardson with the ratio of its last two steps; its bound is
the largest of: how far that limit lies from the one of the previous three
levels, how far from the limit at the nominal order 4, the gap C11 - C22 where
the pair is its own mirror image, and the difference from the limit of a
second, coarser mesh family with other cusp elements.  A mutual entry whose
steps do not shrink like a power of h (its error a sum of parts of both
signs) keeps its finest value, bounded by sqrt(err11 * err22) (Cauchy-Schwarz).

Touching curves (sleeve on sleeve, sleeve on a round shield, a straight foil
leaving a sleeve or the drain wire, the wire on the sleeves) make zero-angle
cusps in the filler.  They are meshed exactly, with the element size at the
contact point a quarter (check family: a half) of the curves' own, so the
cusp's elements stay a fixed fraction of the local size under refinement;
whatever they cost in convergence shows in the observed ratios and in the
family difference, not hidden by an assumed rate.  Before solving, each
material's meshed area is checked against the case's own dimensions.

Run from the repository root (Debian's python3 with numpy, gmsh 4.8, getdp 3.2):

    /usr/bin/python3 tests/reference/fem_reference.py [--jobs 2]

checks the bare pair first, then writes tests/reference/fem_cases.inc.
Solves are cached in --work (default /tmp/duvane-fem) under a hash of the
texts given to gmsh and getdp, so a rerun after changing only the output is
quick.  From scratch the table takes about 50 minutes on two cores with
--jobs 2 (the finest main levels have 0.5 to 2 million unknowns, up to about
4 GB per solve).

    /usr/bin/python3 tests/reference/fem_reference.py --time NAME [--accuracy 1e-6] [--repeat 5]

finds the coarsest level whose raw entries are within the accuracy of the
extrapolated ones, then meshes and solves the case at that level (C and C0)
--repeat times and prints the median wall times.

    /usr/bin/python3 tests/reference/fem_reference.py --validate

only checks the bare homogeneous pair against its known impedances.
"""

import argparse
import concurrent.futures
import hashlib
import json
import math
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import fem_areas as areas  # noqa: E402
import fem_geometry as geom  # noqa: E402
import fem_solver as solver  # noqa: E402

kHere = os.path.dirname(os.path.abspath(__file__))
kOutFile = os.path.join(kHere, "fem_cases.inc")
kCommand = "/usr/bin/python3 tests/reference/fem_reference.py"

kLightSpeed = 299792458.0   # m/s
kLevels = 4                 # level 0 and three uniform refinements
kNominalOrder = 4           # energy error of P2 elements where the field is smooth
kRounding = 1e-12           # relative floor of a bound: assembly and solve in doubles


class MeshDensity:
    """Level 0's element sizes: points per circumference of a circle, the
    largest element as a fraction of the outline's size, and the size at a
    contact point relative to the touching curves' own."""

    def __init__(self, label, pointsPerTurn, maxFraction, contactSize):
        self.label = label
        self.pointsPerTurn = pointsPerTurn
        self.maxFraction = maxFraction
        self.contactSize = contactSize


# The table comes from the main family; the check family, coarser and with
# other cusp elements, bounds what the main one's own sequence cannot see.
kMainDensity = MeshDensity("main", 40, 0.06, 0.25)
kCheckDensity = MeshDensity("check", 28, 0.06, 0.5)

# Bare pair at S/D = 0.5, D/d = 10 in air: its even and odd impedances.
kValidation = {"case": "bare_sd05_dd10", "ze": 133.2262051, "zo": 107.4234788}


class Case:
    """One cable cross-section, lengths in mm."""

    def __init__(self, name, shield, size, s, d, di, erSleeve, erFill=1.0,
                 dw=0.0, offset1=(0.0, 0.0), sleeve1=(0.0, 0.0), di2=None,
                 erSleeve2=None):
        self.name = name
        self.shield = shield            # "round": size is D; "foil": size is t
        self.size = size
        self.s = s
        self.d = d
        self.di = di
        self.erSleeve = erSleeve
        self.erFill = erFill
        self.dw = dw
        self.offset1 = offset1
        self.sleeve1 = sleeve1
        self.di2 = di if di2 is None else di2
        self.erSleeve2 = erSleeve if erSleeve2 is None else erSleeve2


kAwg24 = 0.511
kAwg26 = 0.405
kCases = [
    # 24 AWG in solid PE, air around.
    Case("r24_pe_touch_all", "round", 2.6, 1.3, kAwg24, 1.3, 2.25),
    Case("r24_pe_touch_d32", "round", 3.2, 1.3, kAwg24, 1.3, 2.25),
    Case("r24_pe_apart_s15", "round", 3.2, 1.5, kAwg24, 1.3, 2.25),
    Case("r24_foam_in_pp", "round", 3.2, 1.3, kAwg24, 1.3, 1.5, erFill=2.2),
    Case("r24_fep_touch_all", "round", 2.2, 1.1, kAwg24, 1.1, 2.1),
    Case("r24_er10_touch_all", "round", 2.6, 1.3, kAwg24, 1.3, 10.0),
    # The field solver's own check: no sleeves, known impedances.
    Case("bare_sd05_dd10", "round", 10.0, 5.0, 1.0, 1.0, 1.0),
    # 26 AWG in foamed PE under a foil.
    Case("f26_t005", "foil", 0.05, 1.0, kAwg26, 1.0, 1.5),
    Case("f26_t0", "foil", 0.0, 1.0, kAwg26, 1.0, 1.5),
    Case("f26_t005_drain", "foil", 0.05, 1.0, kAwg26, 1.0, 1.5, dw=0.32),
    Case("f26_t0_drain", "foil", 0.0, 1.0, kAwg26, 1.0, 1.5, dw=0.32),
    Case("f26_t0_s12", "foil", 0.0, 1.2, kAwg26, 1.0, 1.5),
    # Asymmetric pairs in a round shield.
    Case("a24_core1_moved", "round", 3.2, 1.5, kAwg24, 1.3, 2.25,
         offset1=(0.02, 0.03)),
    Case("a24_unequal_touch", "round", 3.2, 1.32, kAwg24, 1.3, 2.25, di2=1.34),
    Case("a24_eccentric", "round", 3.2, 1.5, kAwg24, 1.3, 2.25,
         sleeve1=(0.03, 0.0)),
    # Core 1 far off centre in its sleeve, and a sleeve still touching its
    # neighbour with the conductor moved inside it.
    Case("a24_eccentric_far", "round", 3.2, 1.5, kAwg24, 1.3, 2.25,
         sleeve1=(0.0, -0.3)),
    Case("a24_eccentric_touch", "round", 3.2, 1.3, kAwg24, 1.3, 2.25,
         offset1=(-0.05, -0.05), sleeve1=(0.05, 0.05)),
]

kEntries = ("c11", "c12", "c22", "c0_11", "c0_12", "c0_22")
kMatrices = (kEntries[:3], kEntries[3:])


def isMirrored(case):
    """Whether the pair is its own mirror image, so that C11 = C22 exactly."""
    return case.offset1 == (0.0, 0.0) and case.sleeve1 == (0.0, 0.0) \
        and case.di2 == case.di and case.erSleeve2 == case.erSleeve


def arrangementOf(case, density):
    arrangement = geom.Arrangement(geom.Pair(case))
    return arrangement, arrangement.sizes(density.pointsPerTurn, density.maxFraction,
                                          density.contactSize)


def solveLevels(case, folder, levels, density):
    """Meshes and solves the given levels; one dict per level."""
    arrangement, sizes = arrangementOf(case, density)
    start = time.perf_counter()
    solver.mesh(arrangement, sizes, folder, levels)
    meshSeconds = time.perf_counter() - start
    rows = []
    for level in levels:
        c, unknowns, seconds = solver.solve(arrangement, case, level, folder, False)
        c0, _, seconds0 = solver.solve(arrangement, case, level, folder, True)
        rows.append({"level": level, "unknowns": unknowns, "c": c, "c0": c0,
                     "seconds": seconds, "seconds0": seconds0,
                     "meshSeconds": meshSeconds})
    return rows


def ladder(case, work, density):
    """The case's results on every level, solved or read from the cache."""
    folder = os.path.join(work, case.name, density.label)
    cache = os.path.join(folder, "levels.json")
    arrangement, sizes = arrangementOf(case, density)
    levels = list(range(kLevels))
    key = hashlib.sha256("".join(solver.inputs(arrangement, sizes, case, levels))
                         .encode()).hexdigest()
    if os.path.exists(cache):
        with open(cache) as f:
            stored = json.load(f)
        if stored.get("key") == key:
            return stored["levels"]
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    print("solving %s" % case.name, file=sys.stderr, flush=True)
    rows = solveLevels(case, folder, levels, density)
    for name in os.listdir(folder):
        if name.endswith(".msh"):
            os.remove(os.path.join(folder, name))
    with open(cache, "w") as f:
        json.dump({"key": key, "levels": rows}, f, indent=1)
    return rows


def entrySequences(rows):
    return {name: [r["c" if k < 3 else "c0"][k % 3] for r in rows]
            for k, name in enumerate(kEntries)}


def richardson(q, k, ratio):
    return q[k] + (q[k] - q[k - 1]) / (ratio - 1.0)


def observedRatio(q, k):
    """How much the step into level k shrank against the one before, or None."""
    d1, d2 = q[k - 1] - q[k - 2], q[k] - q[k - 1]
    if d2 == 0.0:
        return None
    ratio = d1 / d2
    return ratio if 2.0 <= ratio <= 1024.0 else None


def extrapolate(q):
    """Limit of a sequence on meshes with h halved each step and its error bound.

    The limit uses the order observed on the last three levels.  The bound is
    the larger of how far that limit moved from the one of the previous three
    levels and how far it lies from the limit at the nominal order.  None
    where a step does not shrink like a power of h.
    """
    last = len(q) - 1
    ratios = [observedRatio(q, k) for k in (last - 1, last)]
    if None in ratios:
        return None
    limit = richardson(q, last, ratios[1])
    nominal = richardson(q, last, 2.0 ** kNominalOrder)
    previous = richardson(q, last - 1, ratios[0])
    return limit, max(abs(limit - previous), abs(limit - nominal), kRounding * abs(limit))


class Limits:
    """Extrapolated entries of one mesh family with their error bounds."""

    def __init__(self, case, rows):
        self.value, self.error, self.ratio = {}, {}, {}
        sequences = entrySequences(rows)
        for first, mutual, second in kMatrices:
            for name in (first, second, mutual):
                q = sequences[name]
                self.ratio[name] = observedRatio(q, len(q) - 1)
                fit = extrapolate(q)
                if fit:
                    self.value[name], self.error[name] = fit
                elif name == mutual:
                    # C12(h) - C12 = a(e1, e2), no larger than the geometric
                    # mean of the diagonal entries' errors a(e1, e1), a(e2, e2).
                    raw = [max(sequences[n][-1] - self.value[n], 0.0) + self.error[n]
                           for n in (first, second)]
                    self.value[name], self.error[name] = q[-1], math.sqrt(raw[0] * raw[1])
                else:
                    self.value[name] = q[-1]
                    self.error[name] = 2.0 * abs(q[-1] - q[-2]) + kRounding * abs(q[-1])
            if isMirrored(case):
                gap = abs(self.value[first] - self.value[second])
                self.error[first] = max(self.error[first], gap)
                self.error[second] = max(self.error[second], gap)


class Result:
    """A case's entries from the main family, bounded also by the check family."""

    def __init__(self, case, rows, checkRows):
        main, check = Limits(case, rows), Limits(case, checkRows)
        self.case, self.rows = case, rows
        self.value, self.ratio = main.value, main.ratio
        self.gap = {n: abs(main.value[n] - check.value[n]) for n in kEntries}
        self.error = {n: max(main.error[n], self.gap[n]) for n in kEntries}

    def relativeError(self):
        return max(self.error[n] / abs(self.value[n]) for n in kEntries)

    def levelError(self, level):
        """Worst relative error of one level's raw entries against the limits."""
        q = entrySequences(self.rows)
        return max(abs(q[n][level] - self.value[n]) / abs(self.value[n]) for n in kEntries)


def checkAreas(cases, work):
    """Stops unless every case's materials cover their expected areas."""
    for case in cases:
        for density in (kMainDensity, kCheckDensity):
            mismatch = areas.areaMismatch(case, *arrangementOf(case, density), work)
            if mismatch > areas.kAreaTolerance:
                sys.exit("%s: a material's meshed area is off by %.1e"
                         % (case.name, mismatch))


def runCases(cases, work, jobs):
    tasks = [(c, d) for c in cases for d in (kMainDensity, kCheckDensity)]
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        rows = list(pool.map(lambda t: ladder(t[0], work, t[1]), tasks))
    return [Result(c, rows[2 * k], rows[2 * k + 1]) for k, c in enumerate(cases)]


def impedances(result):
    """Even and odd mode impedances (ohm) of a pair in air, with their bounds."""
    v, e = result.value, result.error
    out = []
    for sign in (1.0, -1.0):
        cap = v["c11"] + sign * v["c12"]
        z = 1.0 / (kLightSpeed * cap * 1e-12)
        out.append((z, z * (e["c11"] + e["c12"]) / cap))
    return out


def validate(results):
    """Checks the bare pair against its known impedances; True when it agrees."""
    bare = [r for r in results if r.case.name == kValidation["case"]]
    if not bare:
        return True
    ok = True
    for (z, bound), name in zip(impedances(bare[0]), ("ze", "zo")):
        known = kValidation[name]
        allowed = bound + 0.5e-7          # the known values' last digit
        agrees = abs(z - known) <= allowed
        ok = ok and agrees
        print("%s: FEM %.10f (+- %.1e), known %.7f, difference %.1e: %s"
              % (name, z, bound, known, z - known, "agrees" if agrees else "DISAGREES"))
    return ok


def roundUp(x):
    """x to two significant digits, rounded away from zero."""
    text = "%.1e" % x
    return float(text) if float(text) >= x else float("%.1e" % (x * 1.05))


kRow = ('{"%s", "%s", %r, %r, %r, %r, %r, %r, %r, %r, %r, %r, %r, %r, %r, '
       '%.14g, %.14g, %.14g, %.14g, %.14g, %.14g, %.1e},')

kHeader = """\
// Generated by `{command}` (run from the repository root); do not edit.
// Second-order FEM (gmsh, getdp) on {levels} uniformly refined meshes, Richardson-extrapolated;
// the bound comes from the refinement sequence and a second mesh family (see the generator).
// Columns: name, shield, D (round) or t (foil), S, d, Di, er_sleeve, er_fill, dw,
// x1_offset, y1_offset, sx1, sy1, Di2, er_sleeve2 (mm where a length), then C11, C12,
// C22 with the dielectrics and C0_11, C0_12, C0_22 with every Er = 1 (pF/m), then the
// bound on the worst entry's relative error.
"""


def writeTable(results, path):
    lines = [kHeader.format(command=kCommand, levels=kLevels)]
    for r in results:
        c, v = r.case, r.value
        lines.append(kRow % (
            c.name, c.shield, c.size, c.s, c.d, c.di, c.erSleeve, c.erFill, c.dw,
            c.offset1[0], c.offset1[1], c.sleeve1[0], c.sleeve1[1], c.di2, c.erSleeve2,
            v["c11"], v["c12"], v["c22"], v["c0_11"], v["c0_12"], v["c0_22"],
            roundUp(r.relativeError())) + "\n")
    with open(path, "w") as f:
        f.write("".join(lines))


def report(results):
    for r in results:
        ratios = ", ".join("%.1f" % r.ratio[n] if r.ratio[n] else "-" for n in kEntries)
        gap = max(r.gap[n] / abs(r.value[n]) for n in kEntries)
        print("%-20s unknowns %8d  rel. error %.1e  families differ by %.1e  "
              "observed ratios %s" % (r.case.name, r.rows[-1]["unknowns"],
                                      r.relativeError(), gap, ratios))


def timeCase(case, work, accuracy, repeat):
    result = runCases([case], work, 1)[0]
    level = next((k for k in range(kLevels) if result.levelError(k) <= accuracy), None)
    if level is None:
        sys.exit("%s: no level reaches %.1e; the finest is off by %.1e"
                 % (case.name, accuracy, result.levelError(kLevels - 1)))
    totals, meshes, solvesC, solvesC0 = [], [], [], []
    for _ in range(repeat):
        with tempfile.TemporaryDirectory(dir=work) as folder:
            start = time.perf_counter()
            row = solveLevels(case, folder, [level], kMainDensity)[0]
            totals.append(time.perf_counter() - start)
        meshes.append(row["meshSeconds"])
        solvesC.append(row["seconds"])
        solvesC0.append(row["seconds0"])
    print("%s: level %d, %d unknowns per getdp run, is off by %.1e (asked: %.1e)"
          % (case.name, level, row["unknowns"], result.levelError(level), accuracy))
    print("median of %d runs: %.2f s in all; gmsh %.2f s, getdp for C %.2f s, for C0 %.2f s"
          % (repeat, statistics.median(totals), statistics.median(meshes),
             statistics.median(solvesC), statistics.median(solvesC0)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--work", default=os.path.join(tempfile.gettempdir(), "duvane-fem"))
    parser.add_argument("--jobs", type=int, default=1)
    parser.add_argument("--case", action="append", help="solve only this case (repeatable)")
    parser.add_argument("--validate", action="store_true")
    parser.add_argument("--time", metavar="CASE")
    parser.add_argument("--accuracy", type=float, default=1e-6)
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    byName = {c.name: c for c in kCases}
    if args.time:
        timeCase(byName[args.time], args.work, args.accuracy, args.repeat)
        return
    names = args.case or ([kValidation["case"]] if args.validate else list(byName))
    unknown = [n for n in names if n not in byName]
    if unknown:
        sys.exit("unknown case: " + ", ".join(unknown))
    checkAreas([byName[n] for n in names], args.work)
    first = runCases([byName[kValidation["case"]]], args.work, 1)
    if not validate(first):
        sys.exit("the FEM does not reproduce the bare pair; no table written")
    results = runCases([byName[n] for n in names], args.work, args.jobs)
    report(results)
    if not args.case and not args.validate:
        writeTable(results, kOutFile)
        print("wrote " + os.path.relpath(kOutFile))


if __name__ == "__main__":
    main()
