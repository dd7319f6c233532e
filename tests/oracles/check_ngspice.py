"""ngspice runs the exported subcircuits (ngspice -b) and finds the line the
model predicts:

- driven by a fast step through a matched source, differentially (each core
  through Zdiff/2, the far cores joined by a load) and in common (each core
  through 2 Zcm, each far core loaded by its own), the far end's step comes
  after the mode's delay, and a matched load sends nothing back;
- loaded by a mismatch, the near end's level after the round trip is
  1 + (Zload - Z)/(Zload + Z) times the incident step;
- the lossy lines duvane-calc wrote, the unequal and the foil-wrapped one
  too, settle to the DC levels of their series resistance, in both modes.

Tolerances, the simulator's own: a time within two steps of the transient
(2 ps, against delays near 4.5 ns) and a level within 1e-3 of the step,
ngspice's default relative tolerance (reltol).

    check_ngspice.py FOLDER NGSPICE
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

import numpy

STEP = 1e-12         # s, the transient's step
START = 100e-12      # s, when the source steps, in 10 ps
TIME_TOLERANCE = 2 * STEP
LEVEL_TOLERANCE = 1e-3
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def simulate(folder, case, body, stop, step=STEP):
    """Runs a netlist that includes the case's subcircuit; returns the time and
    the near and far node voltages n1, n2, f1, f2."""
    work = tempfile.mkdtemp()
    try:
        netlist = os.path.join(work, "run.cir")
        with open(netlist, "w") as out:
            out.write("oracle\n.include %s\n%s\n" % (os.path.join(folder, case + ".cir"), body))
            out.write(".control\ntran %g %g\nwrdata %s v(n1) v(n2) v(f1) v(f2)\nquit 0\n.endc\n.end\n"
                      % (step, stop, os.path.join(work, "out.txt")))
        run = subprocess.run([NGSPICE, "-b", netlist], capture_output=True, text=True)
        if run.returncode != 0 or not os.path.exists(os.path.join(work, "out.txt")):
            raise SystemExit("ngspice failed on %s:\n%s\n%s" % (case, run.stdout, run.stderr))
        data = numpy.loadtxt(os.path.join(work, "out.txt"))
        return data[:, 0], data[:, 1], data[:, 3], data[:, 5], data[:, 7]
    finally:
        shutil.rmtree(work)


def drive(case, mode, source, load):
    """Steps of 1 V (common) or +-1 V (differential), each core through
    `source`; the far cores joined by `load` (differential) or each to the
    shield through it (common)."""
    sign = "-1" if mode == "differential" else "1"
    far = "Rl f1 f2 %r" % load if mode == "differential" else "Rl1 f1 0 %r\nRl2 f2 0 %r" % (load, load)
    return ("V1 s1 0 PULSE(0 1 %g 10p 10p 1 2)\nV2 s2 0 PULSE(0 %s %g 10p 10p 1 2)\n"
            "R1 s1 n1 %r\nR2 s2 n2 %r\nX1 n1 n2 f1 f2 0 %s\n%s"
            % (START, sign, START, source, source, case, far))


def crossing(t, v, level):
    i = int(numpy.argmax(v >= level))
    return t[i - 1] + (level - v[i - 1]) * (t[i] - t[i - 1]) / (v[i] - v[i - 1])


def mode_voltage(mode, a, b):
    """The differential voltage V1 - V2, or the common one (V1 + V2)/2."""
    return a - b if mode == "differential" else (a + b) / 2


def tdr(folder, case, facts):
    f = facts[case]
    for mode, impedance, delay in (("differential", f["zdiff"], f["delay_odd"]),
                                   ("common", f["zcm"], f["delay_even"])):
        # Each core's source: half the differential impedance, twice the common one.
        source = impedance / 2 if mode == "differential" else 2 * impedance
        travel = delay * f["length"]
        step = 1.0 if mode == "differential" else 0.5  # what the matched near end sees
        for ratio in (1, 3, 1 / 3):
            load = ratio * impedance if mode == "differential" else ratio * 2 * impedance
            t, n1, n2, f1, f2 = simulate(folder, case, drive(case, mode, source, load), START + 3 * travel)
            near, far = mode_voltage(mode, n1, n2), mode_voltage(mode, f1, f2)
            reflection = (ratio - 1) / (ratio + 1)
            label = "%s %s, load %.3g Zmode" % (case, mode, ratio)
            if ratio == 1:
                arrival = crossing(t, far, step / 2) - crossing(t, near, step / 2)
                check(abs(arrival - travel) <= TIME_TOLERANCE,
                      "%s: delay %.6g ns, predicted %.6g ns" % (label, arrival * 1e9, travel * 1e9))
                settled = near[t > START + 0.2e-9]
                check(numpy.max(numpy.abs(settled - step)) <= LEVEL_TOLERANCE * step,
                      "%s: nothing comes back (near end within %.2g of the step)"
                      % (label, numpy.max(numpy.abs(settled - step)) / step))
            else:
                level = near[-1] / step - 1
                check(abs(level - reflection) <= LEVEL_TOLERANCE,
                      "%s: reflected %.6f of the step, predicted %.6f" % (label, level, reflection))


def subcircuit_resistance(folder, case):
    """The DC series resistance matrix of the subcircuit's own numbers: its
    modal lines are resistors r_k LEN at DC, joined through V = T Vm and
    Im = T' I, so that V_near - V_far = T diag(r_k LEN) T' I."""
    t = numpy.zeros((2, 2))
    r = numpy.zeros(2)
    for line in open(os.path.join(folder, case + ".cir")):
        words = line.split()
        if words and words[0].startswith("En") and len(words[0]) == 4:
            t[int(words[0][2]) - 1, int(words[0][3]) - 1] = float(words[-1])
        if words[:1] == [".model"] and words[2] == "LTRA":
            fields = dict(w.split("=") for w in words[3:])
            r[int(words[1][-1]) - 1] = float(fields["R"]) * float(fields["LEN"])
    return t @ numpy.diag(r) @ t.T


def dc_levels(folder, case):
    """The lossy line settles to the DC levels of its series resistance:
    solved here by hand (Kirchhoff over the sources, the line and the
    loads) for a differential and a common drive, with the wiring of an
    unequal pair's modes in play."""
    resistance = subcircuit_resistance(folder, case)
    source, load = 60.0, 120.0
    for mode, signs in (("differential", (1, -1)), ("common", (1, 1))):
        # Unknowns: V_near (2), V_far (2), I (2, into the near end and out of the far one).
        a = numpy.zeros((6, 6))
        b = numpy.zeros(6)
        for i in range(2):
            a[i, i], a[i, 4 + i] = 1, source          # V_near + source I = the source's step
            b[i] = signs[i]
            a[2 + i, i], a[2 + i, 2 + i] = 1, -1      # V_near - V_far - R I = 0
            a[2 + i, 4:] = -resistance[i]
        if mode == "differential":                    # one load across the far ends
            a[4, 2], a[4, 3], a[4, 4] = 1, -1, -load
            a[5, 4], a[5, 5] = 1, 1
        else:                                         # a load from each far end
            a[4, 2], a[4, 4] = 1, -load
            a[5, 3], a[5, 5] = 1, -load
        v = numpy.linalg.solve(a, b)
        # Settled after a few round trips; a coarse step, since LTRA's convolution grows with the history.
        t, n1, n2, f1, f2 = simulate(folder, case, drive(case, mode, source, load), 60e-9, 20e-12)
        for name, got, expected in (("near", (n1[-1], n2[-1]), v[:2]), ("far", (f1[-1], f2[-1]), v[2:4])):
            gap = numpy.max(numpy.abs(numpy.array(got) - expected))
            check(gap <= LEVEL_TOLERANCE * numpy.max(numpy.abs(expected)),
                  "%s %s: DC levels at the %s end %s, predicted %s" % (case, mode, name, numpy.round(got, 6),
                                                                        numpy.round(expected, 6)))


folder, NGSPICE = sys.argv[1], sys.argv[2]
if shutil.which(NGSPICE) is None:
    print("ngspice is missing (tools/setup.sh installs it): skipped")
    sys.exit(77)  # CTest's SKIP_RETURN_CODE
facts = json.load(open(os.path.join(folder, "facts.json")))
for case in ("homogeneous_lossless", "insulated_lossless"):
    tdr(folder, case, facts)
for case in ("insulated_lossy", "unequal_lossy", "foil_lossy"):
    dc_levels(folder, case)
sys.exit(1 if failures else 0)
