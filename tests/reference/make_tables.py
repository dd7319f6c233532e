"""Writes the reference tables that the C++ solver tests include.

    python3 tests/reference/make_tables.py [--out DIR]

writes reference_cases.inc and reference_trace.inc into DIR (by default
tests/solver/fivecharge, where the tests include them) from the Python model in
duvane_reference.py.  Re-run it after changing the model or the case lists
below; never edit the generated files by hand.  A CTest regenerates them into
the build folder and fails when the committed ones differ.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import duvane_reference as ref  # noqa: E402

OUT_DIR = os.path.normpath(os.path.join(HERE, "..", "solver", "fivecharge"))
COMMAND = "python3 tests/reference/make_tables.py"

# (sd, dd) for the impedance mode.
FORWARD_USUAL = [
    (0.5, 10.0), (0.3, 5.0), (0.9, 20.0),
    (0.05, 25.0), (0.05, 100.0), (0.1, 12.0), (0.1, 50.0),
    (0.2, 6.0), (0.2, 30.0), (0.25, 4.5), (0.3, 3.5), (0.3, 10.0),
    (0.35, 7.5), (0.4, 2.6), (0.4, 8.0), (0.45, 2.3), (0.5, 2.05),
    (0.5, 3.0), (0.5, 4.0), (0.5, 100.0), (0.6, 3.0), (0.6, 15.0),
    (0.7, 4.0), (0.7, 40.0), (0.8, 6.0), (0.8, 100.0), (0.9, 11.0),
    (0.9, 100.0), (0.123456789, 9.87654321), (0.15, 66.6),
    (0.75, 4.5), (0.5, 1000.0),
]

FORWARD_REJECTED = [
    (0.0, 10.0), (-0.5, 10.0), (0.9000000000000001, 20.0), (0.95, 20.0),
    (0.5, 2.0), (0.5, 1.5), (0.5, -3.0), (0.0, 1.0), (1e-300, 10.0),
    (0.25, 4.0), (0.75, 4.0), (0.1, 5.0), (0.9, 5.0),
]

# Found by scanning with the model: shapes within a few ulps of touching
# conductors, of a conductor touching the shield, of D/d = 2, and huge D/d
# where the 5x5 system loses all precision.
FORWARD_DEGENERATE = [
    (0.25000000000000006, 4.0),       # conductors one ulp apart: capO < 0
    (0.20000000000000004, 5.0),       # odd system: last pivot 0 (Gij44)
    (0.20000000000000007, 5.0),       # valid, Zo ~ 1.2e-7
    (0.3333333333333334, 3.0),        # valid, Zo ~ 2.7e-14
    (0.5999999999999998, 2.5),        # touching the shield: capE < 0, Zo ok
    (0.7499999999999999, 4.0),        # touching the shield: capE < 0, capO < 0
    (0.5, 2.0000000000000004),        # valid, both tiny
    (0.4999999999999999, 2.000000000000001),  # Ze ok, capO < 0
    (0.5, 2.0000000000000013),        # 1 - Vs exactly 0
    (0.5000000000000011, 2.000000000000005),  # even system: last pivot 0
    (0.25, 5e14),                     # pivot 0 during elimination (Gij33)
    (0.5, 5e14),                      # pivot 0 during elimination (Gij11)
    (0.05, 5e16),                     # Ze Gij22, Zo Gij11
    (0.25, 5e16),                     # 1 + a == a: point on a charge
    (0.5, 1e300),
]

# (ze, zo, er, width, limit, english) for the shape mode.
INVERSE = [
    # converging
    (133.229, 107.426, 1.0, 0.01, 1000, 0),
    (88.819, 71.617, 2.25, 0.01, 1000, 0),
    (66.6145, 53.713, 4.0, 0.01, 1000, 0),
    (60.0, 40.0, 4.0, 0.01, 1000, 0),
    (119.977, 51.089, 1.0, 0.01, 1000, 0),
    (133.229, 107.426, 1.0, 0.001, 1000, 0),
    (133.229, 107.426, 1.0, 0.5, 1000, 0),
    (100.0, 50.0, 1.0, 0.01, 1000, 1),
    # count limit: 17 trials converge, so 17 is one too few
    (133.229, 107.426, 1.0, 0.01, 18, 0),
    (133.229, 107.426, 1.0, 0.01, 17, 0),
    (100.0, 50.0, 1.0, 0.01, 3, 0),
    (100.0, 50.0, 1.0, 0.01, 3, 1),
    # limit 0: converged start still succeeds, any trial fails
    (133.229, 107.426, 1.0, 1.5, 0, 0),
    (100.0, 50.0, 1.0, 0.01, 0, 0),
    (35.5, 25.0, 1.0, 0.01, -1, 0),
    # start estimate rejected
    (76.549, 76.05, 1.0, 0.01, 1000, 0),
    (100.0, 99.5, 1.0, 0.01, 0, 0),
    (100.0, 99.5, 1.0, 0.01, 1000, 1),
    (186.67354128896318, 10.098162921980512, 1.0, 0.01, 1000, 0),
    (27.5, 17.0, 1.0, 0.01, 1000, 0),
    (2000.0, 1.0, 1.0, 0.01, 1000, 0),
    (30.0, 0.6, 1.0, 0.01, 1000, 0),
    # start estimate whose x - sqrt(x^2 - 1) cancels, taken as a quotient
    (1397.0, 100.0, 1.0, 1e6, 1000, 0),
    # derivative evaluation rejected
    (100.665, 100.0, 1.0, 0.01, 1000, 0),
    (100.665, 100.0, 1.0, 0.01, 1000, 1),
    (36.0, 31.0, 1.0, 0.01, 1000, 0),
    (2000.0, 1940.0, 1.0, 0.01, 1000, 0),
    # step factor: trial points rejected
    (35.5, 24.0, 1.0, 0.01, 1000, 0),
    (35.5, 24.0, 1.0, 0.01, 1000, 1),
    (39.0, 37.8, 1.0, 0.01, 1000, 0),
    (39.1, 38.0, 1.0, 0.01, 1000, 0),
    # step factor: no improvement
    (35.5, 25.0, 1.0, 0.01, 1000, 0),
    (35.5, 25.0, 1.0, 0.01, 1000, 1),
    # input guards
    (50.0, 50.0, 1.0, 0.01, 1000, 0),
    (50.0, 60.0, 1.0, 0.01, 1000, 1),
    (50.0, 40.0, 0.0, 0.01, 1000, 0),
    (50.0, 40.0, -1.0, 0.01, 1000, 1),
    (50.0, -40.0, 1.0, 0.01, 1000, 0),
    (50.0, 0.0, 1.0, 0.01, 1000, 1),
    (-10.0, -40.0, 2.0, 0.01, 1000, 0),
]

# (ze, zo, er, width, limit) of the traced solves.
TRACES = [
    (133.229, 107.426, 1.0, 0.5, 1000),   # three accepted trials
    (100.0, 99.5, 1.0, 0.01, 1000),       # start rejected: empty file
    (133.229, 107.426, 1.0, 1.5, 0),      # converged start: header only
    (35.5, 25.0, 1.0, 0.01, 1000),        # rejected trials, stale columns
]


def num(x):
    """C++ double literal that reads back to exactly x."""
    t = repr(float(x))
    if t in ("nan", "inf", "-inf"):
        raise ValueError("non-finite value in a table: " + t)
    return t


def cstr(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def forward_row(sd, dd):
    ze, zo, ze_err, zo_err = ref.forward(sd, dd)
    err = ze_err if ze_err != "" else zo_err
    return "{ %s, %s, %s, %s, %s }," % (
        num(sd), num(dd), num(ze if ze is not None else 0.0),
        num(zo if zo is not None else 0.0), cstr(err))


def inverse_row(ze, zo, er, width, limit, english):
    m = ref.inverse(ze, zo, er, width, limit, english)
    return "{ %s, %s, %s, %s, %d, %d, %s, %s, %d, %s, %s }," % (
        num(ze), num(zo), num(er), num(width), limit, english,
        num(m.mShapeSD), num(m.mShapeDd), m.count, cstr(m.label),
        cstr(m.mErrMsg))


CASES_HEADER = """\
// Generated by `{cmd}` (run from the repository root) from the
// Python model tests/reference/duvane_reference.py. Do not edit.
//
// Numbers are printed so that they read back to the exact doubles the model
// produced; the C++ solver is expected to reproduce them bit for bit.
//
// Rows only: include each section inside an array initializer of the struct
// named in its comment, selecting the section with the macro shown.
//
// struct ForwardCase {{ double sd, dd, ze, zo; const char* error; }};
//   Impedance mode on a fresh calculator: mShapeSD = sd, mShapeDd = dd,
//   zCalcZe() then zCalcZo().  ze / zo: mZe after zCalcZe / mZo after zCalcZo
//   where that call left mErrMsg empty, else 0.0 (a successful result is
//   never 0).  error: mErrMsg after zCalcZe if not empty, else mErrMsg after
//   zCalcZo; "" when both succeeded.
//
// struct InverseCase {{ double ze, zo, er, width; int limit; int english;
//                      double sd, dd; long long count;
//                      const char* label; const char* error; }};
//   Shape mode on a fresh TQol_COAXMath2(view, label, english)
//   with mZe = ze, mZo = zo, mEr = er, mConvWidth = width,
//   mCountLimit = limit, tracing off, then zCalcSDDd().  sd / dd: mShapeSD /
//   mShapeDd afterwards (the found shape on success, else still 0.0).
//   count: the calculation count at the end (what the label's count text
//   shows); 0 when the solve returned before the count existed.  label: the
//   last text set on the status label, "" if none was set.  error: mErrMsg.
"""


def write_cases(out_dir):
    lines = [CASES_HEADER.format(cmd=COMMAND)]
    lines.append("#if defined(DUVANE_FORWARD_CASES)")
    lines.append("// usual shapes")
    for sd, dd in FORWARD_USUAL:
        lines.append(forward_row(sd, dd))
    lines.append("// rejected by the shape checks")
    for sd, dd in FORWARD_REJECTED:
        lines.append(forward_row(sd, dd))
    lines.append("// near-degenerate shapes")
    for sd, dd in FORWARD_DEGENERATE:
        lines.append(forward_row(sd, dd))
    lines.append("#endif")
    lines.append("")
    lines.append("#if defined(DUVANE_INVERSE_CASES)")
    for case in INVERSE:
        lines.append(inverse_row(*case))
    lines.append("#endif")
    path = os.path.join(out_dir, "reference_cases.inc")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    return path


TRACE_HEADER = """\
// Generated by `{cmd}` (run from the repository root) from the
// Python model tests/reference/duvane_reference.py. Do not edit.
//
// Exact bytes of the trace file of a solve, as raw string literals: tabs are
// literal tab characters and every line ends in "\\n" (LF).
//
// struct TraceCase {{ double ze, zo, er, width; int limit; const char* bytes; }};
//   Fresh TQol_COAXMath2 with english 0, mZe = ze, mZo = zo, mEr = er,
//   mConvWidth = width, mCountLimit = limit, mTraceOn = 1 and a trace file
//   name set, then zCalcSDDd(); the file must then hold exactly `bytes`.
//   Rows only: include inside an array initializer of that struct.
"""


def write_trace(out_dir):
    lines = [TRACE_HEADER.format(cmd=COMMAND)]
    for ze, zo, er, width, limit in TRACES:
        m = ref.CoaxMath2(0)
        m.mZe, m.mZo, m.mEr = ze, zo, er
        m.mConvWidth, m.mCountLimit = width, limit
        m.mTraceOn = 1
        m.mTraceFileName = "trace.txt"
        m.zCalcSDDd()
        data = m.trace_bytes().decode("ascii")
        assert ")TRACE\"" not in data
        lines.append("// %s" % (m.mErrMsg if m.mErrMsg else
                                  "converged, count %d" % m.count))
        lines.append('{ %s, %s, %s, %s, %d, R"TRACE(%s)TRACE" },' % (
            num(ze), num(zo), num(er), num(width), limit, data))
    path = os.path.join(out_dir, "reference_trace.inc")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    return path


if __name__ == "__main__":
    out_dir = OUT_DIR
    if sys.argv[1:2] == ["--out"] and len(sys.argv) == 3:
        out_dir = sys.argv[2]
        os.makedirs(out_dir, exist_ok=True)
    elif len(sys.argv) > 1:
        sys.exit("usage: make_tables.py [--out DIR]")
    print(write_cases(out_dir))
    print(write_trace(out_dir))
