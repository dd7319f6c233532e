"""Reference model of the Duvane field solver: a second transcription.

Written after the C++ code, from the same written algorithms, in plain Python
(standard library only): it shares no code with the C++, only IEEE doubles and
the C library's log/exp/sqrt/sin/cos/atan, which Python's math module calls.
It is a differential check for slips of transcription, not an independent
model of the physics: a misreading of the algorithm made in both would pass.
Every expression keeps the order of operations of the C++ solver, so results
are expected to agree bit for bit.

Classes mirror the C++ ones:
    GaussCalc  -- dense solver without pivoting
    CoaxMath1  -- forward Ze/Zo for air by charge simulation
    CoaxMath2  -- inverse solver (S/D, D/d from wanted Ze, Zo, Er) with its
                  status label and trace lines
"""

import math

# Constants of the capacitance and impedance formulas.
EPS0 = 8.854e-12
PI_C = 3.141592654            # deliberately the ten-digit value
INV_C = 3.3356404846685622e-09
SPREAD = 0.05                 # charges span 5 % of r from the centre outwards
SD_MAX = 0.9
DD_MIN = 2.0

# Forward texts.
MSG_SD_LE0 = "Error : SD <= 0"
MSG_SD_GT = "Error : SD > 0.9"
MSG_DD_LE2 = "Error : Dd <= 2"
MSG_IN_RADIUS = "内部導体半径が大きすぎます"
MSG_IN_OFFSET = "内部導体オフセットが小さすぎます"
MSG_OUT_RADIUS = "外部導体半径が小さすぎます"
MSG_QNUM = "Qnum Invalid"
MSG_CAPO_0 = "capO = 0 in zCalcOddModeZC..."
MSG_CAPO_BAD = "capO invalid in zCalcOddModeZC..."
MSG_ZO_BAD = "Zo invalid in zCalcOddModeZC..."
MSG_EVEN_DIV0 = "div by 0 in zCalcEvenModeZC..."
MSG_CAPE_0 = "capE = 0 in zCalcEvenModeZC..."
MSG_CAPE_BAD = "capE invalid in zCalcEvenModeZC..."
MSG_ZE_BAD = "Ze invalid in zCalcEvenModeZC..."
MSG_G_DIV0 = "div by 0 in mCalcG()..."
MSG_ORDER = "order too small in zDoGaussCalc()"
MSG_DELTA_DIV0 = "div by 0 in mCalcDeltaSDDd()"

MODE_EVEN = 1
MODE_ODD = 2


def _pivot_text(k):
    return "Gij" + str(k) + str(k) + " =0"


def _finite(x):
    return not (math.isinf(x) or math.isnan(x))


class GaussCalc:
    """Gaussian elimination without pivoting, whole-row updates."""

    def zDoGaussCalc(self, n, a, b):
        """Returns (x, err).  x is None unless err is empty.
        a is row-major n*n, b has n elements; neither is modified."""
        if n < 2:
            return None, MSG_ORDER
        for k in range(n):
            if a[k * n + k] == 0.0:
                return None, _pivot_text(k)
        A = list(a)
        c = list(b)
        for k in range(n):
            # A pivot that elimination has turned into 0 is reported like a
            # zero diagonal element rather than divided by; the last pass
            # checks the pivot that back substitution divides by.
            pivot = A[k * n + k]
            if pivot == 0.0:
                return None, _pivot_text(k)
            for i in range(k + 1, n):
                f = A[i * n + k] / pivot
                for j in range(n):
                    A[i * n + j] = A[i * n + j] - A[k * n + j] * f
                c[i] = c[i] - c[k] * f
        x = [0.0] * n
        x[n - 1] = c[n - 1] / A[(n - 1) * n + (n - 1)]
        for i in range(n - 2, -1, -1):
            s = 0.0
            for j in range(i + 1, n):
                s = s + A[i * n + j] * x[j]
            x[i] = (c[i] - s) / A[i * n + i]
        return x, ""


class CoaxMath1:
    """Forward calculator for air (Er = 1)."""

    def __init__(self):
        self.mInRadius = 0.0
        self.mOutRadius = 0.0
        self.mInOffset = 0.0
        self.mGauss = GaussCalc()
        self.mShapeSD = 0.0
        self.mShapeDd = 0.0
        self.mQnum = 5
        self.mCapO = 0.0
        self.mCapE = 0.0
        self.mZo = 0.0
        self.mZe = 0.0
        self.mEr = 0.0
        self.mErrMsg = ""

    # -- public operations ------------------------------------------------

    def zCalcZo(self):
        self.mErrMsg = ""
        self.mSetGeometry()
        if self.mErrMsg == "":
            self.mCheckGeometry()
        if self.mErrMsg == "":
            self.zCalcOddModeZC()

    def zCalcZe(self):
        self.mErrMsg = ""
        self.mSetGeometry()
        if self.mErrMsg == "":
            self.mCheckGeometry()
        if self.mErrMsg == "":
            self.zCalcEvenModeZC()

    def zCalcZoAt(self, sd, dd):
        """Returns the new Zo, or None when mErrMsg is (or was) set."""
        if self.mErrMsg != "":
            return None
        self.mSetGeometryAt(sd, dd)
        if self.mErrMsg == "":
            self.mCheckGeometry()
        if self.mErrMsg == "":
            self.zCalcOddModeZC()
        if self.mErrMsg == "":
            return self.mZo
        return None

    def zCalcZeAt(self, sd, dd):
        if self.mErrMsg != "":
            return None
        self.mSetGeometryAt(sd, dd)
        if self.mErrMsg == "":
            self.mCheckGeometry()
        if self.mErrMsg == "":
            self.zCalcEvenModeZC()
        if self.mErrMsg == "":
            return self.mZe
        return None

    # -- geometry ---------------------------------------------------------

    def mSetGeometry(self):
        self.mSetGeometryAt(self.mShapeSD, self.mShapeDd)

    def mSetGeometryAt(self, sd, dd):
        if not (sd > 0.0):
            self.mErrMsg = MSG_SD_LE0
            return
        if sd > SD_MAX:
            self.mErrMsg = MSG_SD_GT
            return
        if not (dd > DD_MIN):
            self.mErrMsg = MSG_DD_LE2
            return
        self.mInRadius = 1.0
        self.mOutRadius = self.mInRadius * dd
        self.mInOffset = self.mOutRadius * sd

    def mCheckGeometry(self):
        r = self.mInRadius
        R = self.mOutRadius
        a = self.mInOffset
        if not (R * 0.5 > r):
            self.mErrMsg = MSG_IN_RADIUS
            return
        if not (r < a):
            self.mErrMsg = MSG_IN_OFFSET
            return
        if not (r + a < R):
            self.mErrMsg = MSG_OUT_RADIUS
            return

    # -- capacitance and impedance ----------------------------------------

    def zCalcOddModeZC(self):
        n = self.mQnum
        if n < 2:
            self.mErrMsg = MSG_QNUM
        q = None
        if self.mErrMsg == "":
            q = self.mCalcQOdd()
        if self.mErrMsg == "":
            sq = 0.0
            for j in range(n):
                sq = sq + q[j]
            self.mCapO = sq * 4 * PI_C * EPS0
            if self.mCapO == 0.0:
                self.mErrMsg = MSG_CAPO_0
            elif not _finite(self.mCapO) or not (self.mCapO > 0.0):
                self.mErrMsg = MSG_CAPO_BAD
            else:
                z = (1 / self.mCapO) * INV_C
                if not _finite(z):
                    self.mErrMsg = MSG_ZO_BAD
                else:
                    self.mZo = z

    def zCalcEvenModeZC(self):
        n = self.mQnum
        if n < 2:
            self.mErrMsg = MSG_QNUM
        q = None
        if self.mErrMsg == "":
            q = self.mCalcQEven()
        if self.mErrMsg == "":
            r = self.mInRadius
            R = self.mOutRadius
            a = self.mInOffset
            s = [0.0] * n
            for j in range(n):
                s[j] = SPREAD * r * j / (n - 1) + a
            vs = 0.0
            for j in range(n):
                vs = vs + math.log(R / s[j]) * 4 * q[j]
            sq = 0.0
            for j in range(n):
                sq = sq + q[j]
            if 1 - vs == 0.0:
                self.mErrMsg = MSG_EVEN_DIV0
                return
            self.mCapE = sq / (1 - vs) * 4 * PI_C * EPS0
            if self.mCapE == 0.0:
                self.mErrMsg = MSG_CAPE_0
            elif not _finite(self.mCapE) or not (self.mCapE > 0.0):
                self.mErrMsg = MSG_CAPE_BAD
            else:
                z = (1 / self.mCapE) * INV_C
                if not _finite(z):
                    self.mErrMsg = MSG_ZE_BAD
                else:
                    self.mZe = z

    # -- charge placement -------------------------------------------------

    def mCalcQEven(self):
        return self.mCalcQ(MODE_EVEN)

    def mCalcQOdd(self):
        return self.mCalcQ(MODE_ODD)

    def mCalcQ(self, mode):
        """Returns the charges of conductor 1, or None with mErrMsg set."""
        n = self.mQnum
        r = self.mInRadius
        a = self.mInOffset
        pi = 4 * math.atan(1)
        G = [0.0] * (n * n)
        X = [0.0] * n
        Y = [0.0] * n
        b = [0.0] * n
        s = [0.0] * n
        for i in range(n):
            theta = i * pi / (n - 1)
            X[i] = math.cos(theta) * r + a
            Y[i] = math.sin(theta) * r
            s[i] = SPREAD * r * i / (n - 1) + a
            b[i] = 1.0
        self.last_X, self.last_Y, self.last_s = X, Y, s
        for i in range(n):
            for j in range(n):
                g = self.mCalcG(mode, s[j], Y[i], X[i])
                if self.mErrMsg != "":
                    return None
                G[i * n + j] = g
        self.last_G = G
        q, t = self.mGauss.zDoGaussCalc(n, G, b)
        self.mErrMsg = t
        if t != "":
            return None
        return q

    def mCalcG(self, mode, s, y, x):
        """Potential coefficient; None with mErrMsg set on a coincidence."""
        R = self.mOutRadius
        t = R * R / s
        d1 = (x - s) * (x - s) + y * y
        d2 = (x + s) * (x + s) + y * y
        if d1 == 0.0:
            self.mErrMsg = MSG_G_DIV0
            return None
        if d2 == 0.0:
            self.mErrMsg = MSG_G_DIV0
            return None
        e1 = (x - t) * (x - t) + y * y
        e2 = (x + t) * (x + t) + y * y
        if mode == MODE_EVEN:
            return math.log(e1 / d1) + math.log(e2 / d2)
        return math.log(e1 / d1) - math.log(e2 / d2)


def forward(sd, dd):
    """Impedance-mode view: (ze, zo, ze_err, zo_err), each call clearing the
    text first.  A value is None where its call failed."""
    m = CoaxMath1()
    m.mShapeSD = sd
    m.mShapeDd = dd
    m.mEr = 1.0
    m.zCalcZe()
    ze_err = m.mErrMsg
    ze = m.mZe if ze_err == "" else None
    m.zCalcZo()
    zo_err = m.mErrMsg
    zo = m.mZo if zo_err == "" else None
    return ze, zo, ze_err, zo_err


# ---------------------------------------------------------------------------
# Inverse solver

TXT = {
    "ze_le_zo": ("Ze must be larger than Zo", "Ze は Zo より大きくして下さい"),
    "er_bad": ("Er must be a positive finite number", "Er は正の有限値にして下さい"),
    "z_bad": ("Ze and Zo must be positive finite numbers",
              "Ze と Zo は正の有限値にして下さい"),
    "initial": ("Calculating Initial Value...", "初期値を計算中"),
    "count": ("Calculation Count=", "計算回数＝"),
    "fail1": ("Calculation Failed:", "計算不能です１："),
    "fail3": ("Calculation Failed:", "計算不能です３："),
    "fail4": ("Calculation Failed:", "計算不能です４：計算回数="),
    "over": ("Calculation Count Over", "計算回数オーバーです"),
}
START_PREFIX = "zCalcSDDd():"

TRACE_HEADS = ["mZeS=", "mZoS=", "mZetmp=", "mZotmp=", "mSD=", "mDd=",
               "mGradZeSD=", "mGradZeDd=", "mGradZoSD=", "mGradZoDd=",
               "mDeltaSD=", "mDelatDd=", "k="]


def format5(x):
    """Fixed five decimals, '.' separator; rounds half to even on the exact
    binary value; a result of all zeros carries no sign."""
    if math.isnan(x):
        return "nan"
    if math.isinf(x):
        return "inf" if x > 0 else "-inf"
    t = format(x, ".5f")
    if t.startswith("-") and t.strip("-0.") == "":
        t = t[1:]
    return t


class CoaxMath2(CoaxMath1):
    """Inverse solver.  The status label is kept as a list of every text set
    (label_history); the trace file as a list of lines without newlines
    (trace_lines), or None while no trace file is open/was opened."""

    def __init__(self, english=0):
        super().__init__()
        self.mEnglish = english
        self.mTraceOn = 0
        self.mTraceFileName = ""
        self.mCountLimit = 1000
        self.mConvWidth = 0.01
        for name in ("mZeE", "mZoE", "mZeS", "mZoS", "mZetmp", "mZotmp",
                     "mSD", "mDd", "mDeltaSD", "mDelatDd", "mGradZeSD",
                     "mGradZeDd", "mGradZoSD", "mGradZoDd", "mDeltaZe",
                     "mDeltaZo"):
            setattr(self, name, 0.0)
        self.label = ""
        self.label_history = []
        self.repaints = 0
        self.trace_lines = None
        self._trace_open = False
        self.count = 0          # calculation count of the last solve

    def _t(self, key):
        e, j = TXT[key]
        return e if self.mEnglish == 1 else j

    def _show(self, text):
        self.label = text
        self.label_history.append(text)
        self.repaints += 1

    # -- trace ----------------------------------------------------------

    def _tracing(self):
        return self.mTraceOn == 1 and self.mTraceFileName != ""

    def _open_trace(self):
        self.trace_lines = []
        self._trace_open = True

    def _close_trace(self):
        self._trace_open = False

    def _trace_header(self):
        if not self._trace_open:
            return
        self.trace_lines.append("mZeE=\t" + format5(self.mZeE))
        self.trace_lines.append("mZoE=\t" + format5(self.mZoE))
        self.trace_lines.append("\t".join(TRACE_HEADS))

    def _trace_line(self, k):
        if not self._trace_open:
            return
        vals = [self.mZeS, self.mZoS, self.mZetmp, self.mZotmp, self.mSD,
                self.mDd, self.mGradZeSD, self.mGradZeDd, self.mGradZoSD,
                self.mGradZoDd, self.mDeltaSD, self.mDelatDd, k]
        self.trace_lines.append("\t".join(format5(v) for v in vals))

    def trace_bytes(self):
        if self.trace_lines is None:
            return None
        return "".join(line + "\n" for line in self.trace_lines).encode("ascii")

    # -- solve ----------------------------------------------------------

    def zCalcSDDd(self):
        self.mErrMsg = ""
        if not (self.mZe > self.mZo):
            self.mErrMsg = self._t("ze_le_zo")
            return
        if not _finite(self.mEr) or self.mEr <= 0.0:
            self.mErrMsg = self._t("er_bad")
            return
        if (not _finite(self.mZe) or self.mZe <= 0.0
                or not _finite(self.mZo) or self.mZo <= 0.0):
            self.mErrMsg = self._t("z_bad")
            return
        if self._tracing():
            self._open_trace()
        self.mZeE = math.sqrt(self.mEr) * self.mZe
        self.mZoE = math.sqrt(self.mEr) * self.mZo
        self._show(self._t("initial"))
        self.mCalcInitialValue()

        v = self.zCalcZeAt(self.mSD, self.mDd)
        if self.mErrMsg != "":
            self._close_trace()
            self.mErrMsg = START_PREFIX + self.mErrMsg
            return
        self.mZeS = v
        v = self.zCalcZoAt(self.mSD, self.mDd)
        if self.mErrMsg != "":
            self._close_trace()
            self.mErrMsg = START_PREFIX + self.mErrMsg
            return
        self.mZoS = v
        self._trace_header()

        count = 1
        self.count = count
        failed = False
        while not (abs(self.mZeE - self.mZeS) < self.mConvWidth
                   and abs(self.mZoE - self.mZoS) < self.mConvWidth):
            self.mCalcGradient()
            if self.mErrMsg != "":
                self.mErrMsg = self._t("fail1") + self.mErrMsg
                failed = True
                break
            k = 0.5 * (0.5 - abs(self.mSD - 0.5))
            accepted = False
            leave = False
            while True:
                self.mErrMsg = ""
                self.mDeltaZe = (self.mZeE - self.mZeS) * k
                self.mDeltaZo = (self.mZoE - self.mZoS) * k
                self.mCalcDeltaSDDd()
                if self.mErrMsg != "":
                    failed = True
                    leave = True
                    break
                sd_t = self.mSD + self.mDeltaSD
                dd_t = self.mDd + self.mDelatDd
                v = self.zCalcZeAt(sd_t, dd_t)
                if v is not None:
                    self.mZetmp = v
                if self.mErrMsg == "":
                    v = self.zCalcZoAt(sd_t, dd_t)
                    if v is not None:
                        self.mZotmp = v
                if self._tracing():
                    self._trace_line(k)
                if self.mErrMsg != "":
                    k = k * 0.8
                    if k < 0.001:
                        self.mErrMsg = self._t("fail3") + self.mErrMsg
                        failed = True
                        leave = True
                        break
                elif self.mIsImproved() == 1:
                    self.mZeS = self.mZetmp
                    self.mZoS = self.mZotmp
                    self.mSD = self.mSD + self.mDeltaSD
                    self.mDd = self.mDd + self.mDelatDd
                    accepted = True
                else:
                    k = k * 0.8
                    if k < 0.001:
                        if self.mEnglish == 1:
                            self.mErrMsg = self._t("fail4")
                        else:
                            self.mErrMsg = self._t("fail4") + str(count)
                        failed = True
                        leave = True
                        break
                count = count + 1
                self.count = count
                self._show(self._t("count") + str(count))
                if count > self.mCountLimit:
                    failed = True
                if failed or accepted:
                    break
            if leave or failed:
                break
        self._show(self._t("count") + str(count))
        self._close_trace()
        if failed:
            if count > self.mCountLimit:
                self.mErrMsg = self._t("over")
            return
        self.mShapeSD = self.mSD
        self.mShapeDd = self.mDd

    def mCalcInitialValue(self):
        t = math.exp((self.mZeE - self.mZoE) * 1 / 60)
        x = 2 * t - 1
        small_root = x - math.sqrt(x * x - 1)
        if small_root <= 0:  # cancelled: the same quantity as a quotient
            small_root = 1 / (x + math.sqrt(x * x - 1))
        self.mSD = math.sqrt(small_root)
        self.mDd = math.exp((self.mZeE + self.mZoE) * 1 / 120) / (1 - self.mSD * self.mSD)

    def mCalcGradient(self):
        self.mCalcGradZeSD(self.mSD, self.mDd)
        if self.mErrMsg != "":
            return
        self.mCalcGradZeDd(self.mSD, self.mDd)
        if self.mErrMsg != "":
            return
        self.mCalcGradZoSD(self.mSD, self.mDd)
        if self.mErrMsg != "":
            return
        self.mCalcGradZoDd(self.mSD, self.mDd)

    def _grad(self, f, sd, dd, which):
        base = f(sd, dd)
        if self.mErrMsg != "":
            return None
        if which == "sd":
            pert = f(sd * 1.0001, dd)
            ratio = sd
        else:
            pert = f(sd, dd * 1.0001)
            ratio = dd
        if self.mErrMsg != "":
            return None
        return (pert - base) / (ratio * 0.0001)

    def mCalcGradZeSD(self, sd, dd):
        g = self._grad(self.zCalcZeAt, sd, dd, "sd")
        if g is not None:
            self.mGradZeSD = g

    def mCalcGradZeDd(self, sd, dd):
        g = self._grad(self.zCalcZeAt, sd, dd, "dd")
        if g is not None:
            self.mGradZeDd = g

    def mCalcGradZoSD(self, sd, dd):
        g = self._grad(self.zCalcZoAt, sd, dd, "sd")
        if g is not None:
            self.mGradZoSD = g

    def mCalcGradZoDd(self, sd, dd):
        g = self._grad(self.zCalcZoAt, sd, dd, "dd")
        if g is not None:
            self.mGradZoDd = g

    def mCalcDeltaSDDd(self):
        if self.mGradZoSD != 0.0:
            a = [self.mGradZeSD, self.mGradZeDd, self.mGradZoSD, self.mGradZoDd]
            b = [self.mDeltaZe, self.mDeltaZo]
            x, t = self.mGauss.zDoGaussCalc(2, a, b)
            self.mErrMsg = t
            if t == "":
                self.mDeltaSD = x[0]
                self.mDelatDd = x[1]
        else:
            if self.mGradZoDd == 0.0 or self.mGradZeSD == 0.0:
                self.mErrMsg = MSG_DELTA_DIV0
            else:
                self.mDelatDd = self.mDeltaZo / self.mGradZoDd
                self.mDeltaSD = (self.mDeltaZe - self.mDelatDd * self.mGradZeDd) / self.mGradZeSD

    def mIsImproved(self):
        eT = (self.mZeE - self.mZetmp) / self.mZeE
        eS = (self.mZeE - self.mZeS) / self.mZeE
        oT = (self.mZoE - self.mZotmp) / self.mZoE
        oS = (self.mZoE - self.mZoS) / self.mZoE
        if abs(eT) > 0.1 and abs(oT) > 0.1:
            better = abs(eS) + abs(oS) > abs(eT) + abs(oT)
            ze_better = better
            zo_better = better
        else:
            ze_better = abs(self.mZeE - self.mZeS) > abs(self.mZeE - self.mZetmp)
            zo_better = abs(self.mZoE - self.mZoS) > abs(self.mZoE - self.mZotmp)
        if ze_better and zo_better:
            return 1
        if ze_better and abs(oT) < 0.1:
            return 1
        if zo_better and abs(eT) < 0.1:
            return 1
        return 0


def inverse(ze, zo, er, width=0.01, limit=1000, english=0, trace=False):
    """Runs one solve on a fresh solver; returns the solver afterwards."""
    m = CoaxMath2(english)
    m.mZe = ze
    m.mZo = zo
    m.mEr = er
    m.mConvWidth = width
    m.mCountLimit = limit
    if trace:
        m.mTraceOn = 1
        m.mTraceFileName = "trace.txt"
    m.zCalcSDDd()
    return m


if __name__ == "__main__":
    for sd, dd in ((0.5, 10.0), (0.3, 5.0), (0.9, 20.0)):
        ze, zo, e1, e2 = forward(sd, dd)
        print(sd, dd, repr(ze), repr(zo), e1, e2)
