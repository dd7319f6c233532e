"""Writes the lossy lines of the oracle checks with duvane-calc itself, as a
user runs it:

    write_program_models.py FOLDER DUVANE_CALC

Each case gives FOLDER/<case>.s4p and .s2p (through numbering, with
<case>.cir, a 1 m subcircuit named <case> with R and G at 1 GHz, and
<case>.jsonl, its --rlgc --json table) and <case>_seq.s4p and .s2p
(sequential), all at DC and twenty points a decade from 10 kHz to 20 GHz.
"""
import os
import subprocess
import sys

FREQUENCIES = "0,10kHz:20GHz/20"
CASES = {
    # PTFE sleeves touching in air, copper, the causal dielectric.
    "insulated_lossy": ["--d", "0.51mm", "--sleeve", "1.4mm", "--S", "touch", "--D", "3.6mm", "--er-sleeve", "2.1",
                        "--tand-sleeve", "2e-4", "--dielectric", "wideband"],
    # Unequal cores, each off its place, the pair off the shield's centre.
    "unequal_lossy": ["--d", "0.51mm", "--d2", "0.4mm", "--sleeve", "1.2mm", "--sleeve2", "1mm", "--er-sleeve", "2.1",
                      "--er-sleeve2", "3", "--tand-sleeve", "2e-4", "--S", "1.45mm", "--D", "4.2mm",
                      "--offset", "0.05mm,0.15mm", "--pair-offset", "0.03mm,-0.05mm", "--dielectric", "wideband"],
    # By its ratios with the wire, in one dielectric of constant loss tangent.
    "homogeneous_lossy": ["0.333", "8.235", "2.1", "--d", "0.51mm", "--tand", "5e-4"],
    # Foamed PE under a foil, with a drain wire.
    "foil_lossy": ["--shield", "foil", "--awg", "26", "--sleeve", "1mm", "--S", "touch", "--er-sleeve", "foam-pe",
                   "--drain", "0.32mm"],
}


def run(program, args, stdout=None):
    done = subprocess.run([program, "model", "--freq", FREQUENCIES] + args, stdout=stdout,
                          stderr=subprocess.PIPE, text=True)
    if done.returncode != 0 or done.stderr:
        raise SystemExit("duvane-calc model %s: exit %d\n%s" % (" ".join(args), done.returncode, done.stderr))


folder, program = sys.argv[1], sys.argv[2]
os.makedirs(folder, exist_ok=True)
for name, case in CASES.items():
    base = os.path.join(folder, name)
    with open(base + ".jsonl", "w") as table:
        run(program, case + ["--touchstone", base, "--spice", base + ".cir", "--name", name, "--at", "1GHz",
                             "--rlgc", "--json"], table)
    run(program, case + ["--touchstone", base + "_seq", "--ports", "sequential"])
    print("wrote", name)
