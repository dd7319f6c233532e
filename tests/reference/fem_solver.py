"""Meshing with gmsh and solving with getdp for one case.

The problem file solves both excitations in one linear system (two
uncoupled blocks sharing one factorisation call) and integrates
eps grad(u_i) . grad(u_j) over the dielectric, which with unit potentials is
the Maxwell capacitance matrix per length.
"""

import os
import subprocess
import time

import fem_geometry as geom

kEps0 = 8.8541878128e-12     # F/m, CODATA 2018
kSolverOptions = ["-ksp_type", "preonly", "-pc_type", "lu",
                  "-pc_factor_mat_solver_type", "mumps"]

kProblem = """\
Group {{
  Dom = Region[{{{materials}}}];
  Gnd = Region[{{{ground}}}];
  C1 = Region[{{{c1}}}];
  C2 = Region[{{{c2}}}];
  Fixed = Region[{{Gnd, C1, C2}}];
}}
Function {{
{eps}
}}
Constraint {{
  {{ Name First; Case {{ {{ Region Gnd; Value 0.; }} {{ Region C1; Value 1.; }} {{ Region C2; Value 0.; }} }} }}
  {{ Name Second; Case {{ {{ Region Gnd; Value 0.; }} {{ Region C1; Value 0.; }} {{ Region C2; Value 1.; }} }} }}
}}
Jacobian {{ {{ Name Vol; Case {{ {{ Region All; Jacobian Vol; }} }} }} }}
Integration {{ {{ Name Int; Case {{ {{ Type Gauss; Case {{
  {{ GeoElement Triangle2; NumberOfPoints 12; }}
  {{ GeoElement Triangle; NumberOfPoints 12; }} }} }} }} }} }}
FunctionSpace {{
{spaces}
}}
Formulation {{
  {{ Name Pair; Type FemEquation;
    Quantity {{ {{ Name u1; Type Local; NameOfSpace First; }} {{ Name u2; Type Local; NameOfSpace Second; }} }}
    Equation {{
      Galerkin {{ [ eps[] * Dof{{d u1}}, {{d u1}} ]; In Dom; Jacobian Vol; Integration Int; }}
      Galerkin {{ [ eps[] * Dof{{d u2}}, {{d u2}} ]; In Dom; Jacobian Vol; Integration Int; }}
    }}
  }}
}}
Resolution {{ {{ Name Static; System {{ {{ Name S; NameOfFormulation Pair; }} }}
  Operation {{ Generate[S]; Solve[S]; }} }} }}
PostProcessing {{ {{ Name Energy; NameOfFormulation Pair; Quantity {{
{integrals}
}} }} }}
PostOperation {{ {{ Name Charges; NameOfPostProcessing Energy; Operation {{
{prints}
}} }} }}
"""

kSpace = """\
  {{ Name {name}; Type Form0;
    BasisFunction {{ {{ Name s; NameOfCoef v; Function BF_Node; Support Region[{{Dom, Fixed}}]; Entity NodesOf[All]; }} }}
    Constraint {{ {{ NameOfCoef v; EntityType NodesOf; NameOfConstraint {name}; }} }}
  }}"""

kEntries = (("c11", "u1", "u1"), ("c12", "u1", "u2"), ("c22", "u2", "u2"))


def problem(materials, permittivity, resultFile):
    """getdp problem text; permittivity maps a surface tag to its Er."""
    eps = "\n".join("  eps[Region[{%d}]] = %r;" % (tag, kEps0 * permittivity[tag])
                    for tag in materials)
    spaces = "\n".join(kSpace.format(name=n) for n in ("First", "Second"))
    integrals = "\n".join(
        "  { Name %s; Value { Integral { [ eps[] * {d %s} * {d %s} ]; "
        "In Dom; Jacobian Vol; Integration Int; } } }" % e for e in kEntries)
    prints = "\n".join('  Print[ %s[Dom], OnGlobal, Format Table, File %s"%s" ];'
                       % (name, ">> " if k else "", resultFile)
                       for k, (name, _, _) in enumerate(kEntries))
    return kProblem.format(materials=", ".join(map(str, materials)),
                          ground=geom.kGroundTag, c1=geom.kConductorTags[0],
                          c2=geom.kConductorTags[1], eps=eps, spaces=spaces,
                          integrals=integrals, prints=prints)


def permittivities(case, vacuum):
    er = {geom.kSleeveTags[0]: case.erSleeve, geom.kSleeveTags[1]: case.erSleeve2,
          geom.kFillerTag: case.erFill}
    return {k: 1.0 if vacuum else v for k, v in er.items()}


def meshName(level):
    return "level_%d.msh" % level


def resultName(level, vacuum):
    return "level_%d_%s.txt" % (level, "vacuum" if vacuum else "dielectric")


def inputs(arrangement, sizes, case, levels):
    """The texts gmsh and getdp are given: equal texts give equal results."""
    texts = [arrangement.geo(sizes, {k: meshName(k) for k in levels})]
    texts += [problem(arrangement.materials(), permittivities(case, v), resultName(k, v))
              for k in levels for v in (False, True)]
    return texts


def mesh(arrangement, sizes, folder, levels):
    """Meshes the given levels into folder."""
    with open(os.path.join(folder, "pair.geo"), "w") as f:
        f.write(arrangement.geo(sizes, {k: meshName(k) for k in levels}))
    run(["gmsh", "-0", "pair.geo"], folder)


def solve(arrangement, case, level, folder, vacuum):
    """C (pF/m, entries c11, c12, c22), the number of unknowns, wall seconds."""
    result = resultName(level, vacuum)
    script = os.path.splitext(result)[0] + ".pro"
    with open(os.path.join(folder, script), "w") as f:
        f.write(problem(arrangement.materials(), permittivities(case, vacuum), result))
    if os.path.exists(os.path.join(folder, result)):
        os.remove(os.path.join(folder, result))
    start = time.perf_counter()
    log = run(["getdp", script, "-msh", meshName(level), "-solve", "Static",
               "-pos", "Charges", "-v", "3"] + kSolverOptions, folder)
    seconds = time.perf_counter() - start
    with open(os.path.join(folder, result)) as f:
        values = [float(line.split()[1]) * 1e12 for line in f if line.strip()]
    if len(values) != 3:
        raise RuntimeError("getdp printed %d entries into %s" % (len(values), result))
    unknowns = [int(w.split()[0]) for w in log.split("System 1/1: ")[1:]]
    return values, unknowns[0] if unknowns else 0, seconds


def run(command, folder):
    done = subprocess.run(command, cwd=folder, capture_output=True, text=True)
    text = done.stdout + done.stderr
    if done.returncode != 0 or "Error" in text:
        raise RuntimeError("%s failed:\n%s" % (command[0], text[-3000:]))
    return text
