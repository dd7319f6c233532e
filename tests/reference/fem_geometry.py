"""Cross-section of a shielded pair as a gmsh geometry script.

Every boundary is a circle arc or a straight line.  Curves that touch share
one vertex at the contact point, so the cusps between them are meshed as what
they are instead of as an overlap or a sliver of a gap.  The faces are found
from the arrangement of the curves (walking each face with it on the left),
then named by the material at a point inside them.  Cuts along the line
through the cores split the filler into pieces whose outlines are simple
closed curves, which the built-in meshing kernel needs; they carry no
boundary condition.
"""

import math

import numpy as np

kTau = 2.0 * math.pi
kTouch = 1e-9            # mm: curves closer than this touch
kMaxArc = kTau / 3.0     # gmsh draws an arc only below half a turn

# Physical group tags shared with the solver's problem file.
kSleeveTags = (1, 2)
kFillerTag = 3
kGroundTag = 10
kConductorTags = (11, 12)


class GeometryError(ValueError):
    pass


def _unit(v):
    n = math.hypot(v[0], v[1])
    return v / n


def _angle(c, p):
    return math.atan2(p[1] - c[1], p[0] - c[0]) % kTau


def _ccw(a0, a1):
    """Span of the counter-clockwise arc from angle a0 to a1, in (0, 2pi]."""
    s = (a1 - a0) % kTau
    return s if s > 0.0 else kTau


def _inRanges(a, ranges, margin=1e-12):
    """Whether angle a lies on one of the arcs (start, span); None: everywhere."""
    if ranges is None:
        return True
    return any((a - a0) % kTau <= span + margin or (a - a0) % kTau >= kTau - margin
               for a0, span in ranges)


class Circle:
    """A circle; `present` limits it to arcs (start, span), None: all of it."""

    def __init__(self, centre, r, role, index=-1, present=None):
        self.c = np.array(centre, dtype=float)
        self.r = float(r)
        self.role = role        # conductor, sleeve, wire, shield, foil
        self.index = index
        self.present = present
        self.groundArcs = None if role in ("wire", "shield", "foil") else []

    def point(self, a):
        return self.c + self.r * np.array([math.cos(a), math.sin(a)])

    def isGround(self, a):
        return self.groundArcs is None or _inRanges(a, self.groundArcs, -1e-12)


class Pair:
    """Conductors, sleeves, drain wire and shield outline of one case."""

    def __init__(self, case):
        x1, y1 = case.s / 2.0 + case.offset1[0], case.offset1[1]
        cores = [(np.array([x1, y1]), case.d, case.di,
                  np.array([x1 + case.sleeve1[0], y1 + case.sleeve1[1]])),
                 (np.array([-case.s / 2.0, 0.0]), case.d, case.di2,
                  np.array([-case.s / 2.0, 0.0]))]
        self.conductors = [Circle(c, d / 2.0, "conductor", k)
                           for k, (c, d, _, _) in enumerate(cores)]
        self.sleeves = [Circle(sc, di / 2.0, "sleeve", k) if di > d else None
                        for k, (_, d, di, sc) in enumerate(cores)]
        self.wire = None
        if case.dw > 0.0:
            if case.shield != "foil" or case.offset1 != (0.0, 0.0) \
                    or case.sleeve1 != (0.0, 0.0) or case.di2 != case.di:
                raise GeometryError("a drain wire needs a symmetric foil pair")
            yw = math.sqrt(((case.di + case.dw) / 2.0) ** 2 - (case.s / 2.0) ** 2)
            self.wire = Circle((0.0, yw), case.dw / 2.0, "wire")
        self.segments = []      # (p, q, ground)
        self.cusps = []         # where a line leaves a circle that goes on inside
        self.circles = self.conductors + [c for c in self.sleeves if c] \
            + ([self.wire] if self.wire else [])
        if case.shield == "round":
            self.circles.append(Circle((0.0, 0.0), case.size / 2.0, "shield"))
        else:
            self._foil(case.size)
        self.extent = max(np.linalg.norm(c.c) + c.r for c in self.circles)
        self._cuts()

    def outer(self, k):
        return self.sleeves[k] or self.conductors[k]

    def _foil(self, t):
        hulled = [self.outer(k) for k in (0, 1)]
        members = []
        for c in hulled:
            if t == 0.0:
                members.append(c)
            else:
                members.append(Circle(c.c, c.r + t, "foil", present=[]))
        if self.wire:
            members.append(self.wire)
        tangents = {}
        for i, ci in enumerate(members):
            for j, cj in enumerate(members):
                seg = _outerTangent(ci, cj, members) if i != j else None
                if seg is not None:
                    tangents[i] = (j, seg)
        if not tangents:
            raise GeometryError("no outline")
        arrive = {j: seg[1] for i, (j, seg) in tangents.items()}
        for i, (j, (p, q)) in tangents.items():
            self.segments.append((p, q, True))
            self.cusps += [x for x, c in ((p, members[i]), (q, members[j]))
                           if c.role != "foil"]
        for i, c in enumerate(members):
            if i not in tangents:
                continue
            a0 = _angle(c.c, arrive[i])
            span = _ccw(a0, _angle(c.c, tangents[i][1][0]))
            if c.role == "foil":
                c.present = [(a0, span)]
                self.circles.append(c)
            elif c.groundArcs is not None:
                c.groundArcs.append((a0, span))

    def _cuts(self):
        """Cuts from each core outwards to the shield and between the cores."""
        a, b = self.outer(0), self.outer(1)
        for own, other in ((a, b), (b, a)):
            u = _unit(own.c - other.c)
            p = own.c + own.r * u
            q = self._rayToOutline(own.c, u)
            if np.linalg.norm(q - p) > kTouch:
                self.segments.append((p, q, False))
        u = _unit(b.c - a.c)
        p, q = a.c + a.r * u, b.c - b.r * u
        if np.linalg.norm(q - p) > kTouch:
            self.segments.append((p, q, False))

    def _rayToOutline(self, origin, u):
        best = math.inf
        for c in self.circles:
            # The outline: shield, foil arcs, sleeve arcs under a tight foil
            # (the drain wire sits above the cores' line, out of the rays' way).
            if c.role not in ("shield", "foil") and not c.groundArcs:
                continue
            w = origin - c.c
            bq = np.dot(w, u)
            disc = bq * bq - (np.dot(w, w) - c.r * c.r)
            if disc < 0.0:
                continue
            for lam in (-bq - math.sqrt(disc), -bq + math.sqrt(disc)):
                p = origin + lam * u
                if lam > kTouch and c.isGround(_angle(c.c, p)) \
                        and _inRanges(_angle(c.c, p), c.present):
                    best = min(best, lam)
        for p, q, ground in self.segments:
            if not ground:
                continue
            e = q - p
            den = u[0] * e[1] - u[1] * e[0]
            if abs(den) < 1e-15:
                continue
            w = p - origin
            lam = (w[0] * e[1] - w[1] * e[0]) / den
            mu = (w[0] * u[1] - w[1] * u[0]) / den
            if lam > kTouch and -1e-12 <= mu <= 1.0 + 1e-12:
                best = min(best, lam)
        if best == math.inf:
            raise GeometryError("a core is outside the shield")
        return origin + best * u


def _outerTangent(ci, cj, members):
    """Tangent from ci to cj with every member on its left, or None."""
    d = cj.c - ci.c
    length = np.linalg.norm(d)
    if length < kTouch:
        return None
    a = (ci.r - cj.r) / length
    if abs(a) >= 1.0:
        return None
    dh = d / length
    right = np.array([dh[1], -dh[0]])
    n = a * dh + math.sqrt(1.0 - a * a) * right
    h = np.dot(n, ci.c) + ci.r
    if any(np.dot(n, m.c) + m.r > h + kTouch for m in members):
        return None
    return ci.c + ci.r * n, cj.c + cj.r * n


class Edge:
    """An arc (counter-clockwise from a to b) or a line from a to b."""

    def __init__(self, a, b, tag, circle=None, a0=0.0, span=0.0, line=None):
        self.a, self.b, self.tag = a, b, tag
        self.circle, self.a0, self.span, self.line = circle, a0, span, line

    def length(self):
        if self.circle is not None:
            return self.circle.r * self.span
        return float(np.linalg.norm(self.line[1] - self.line[0]))

    def at(self, s):
        """Point and unit tangent at arc length s from a."""
        if self.circle is not None:
            ang = self.a0 + s / self.circle.r
            return (self.circle.point(ang),
                    np.array([-math.sin(ang), math.cos(ang)]))
        p, q = self.line
        t = (q - p) / np.linalg.norm(q - p)
        return p + s * t, t


class Arrangement:
    """Vertices, edges and faces of a pair's curves."""

    def __init__(self, pair):
        self.pair = pair
        self.points = []
        self.contacts = set()
        self._vertices()
        self.edges = []
        self._splitCircles()
        self._splitSegments()
        self._faces()

    def vertex(self, p):
        for i, v in enumerate(self.points):
            if np.linalg.norm(v - p) < kTouch:
                return i
        self.points.append(np.array(p, dtype=float))
        return len(self.points) - 1

    def _vertices(self):
        circles = self.pair.circles
        self.contacts.update(self.vertex(p) for p in self.pair.cusps)
        for i, ci in enumerate(circles):
            for cj in circles[i + 1:]:
                for p, touching in _circleMeets(ci, cj):
                    if not (_inRanges(_angle(ci.c, p), ci.present)
                            and _inRanges(_angle(cj.c, p), cj.present)):
                        continue
                    if not touching:
                        raise GeometryError("%s and %s overlap" % (ci.role, cj.role))
                    self.contacts.add(self.vertex(p))
        for p, q, _ in self.pair.segments:
            self.vertex(p)
            self.vertex(q)
            for c in circles:
                for x, touching in _lineMeets(c, p, q):
                    if not _inRanges(_angle(c.c, x), c.present):
                        continue
                    if not touching:
                        raise GeometryError("a line crosses a " + c.role)
                    self.contacts.add(self.vertex(x))

    def _tag(self, circle, a):
        if circle.role == "conductor":
            return kConductorTags[circle.index]
        return kGroundTag if circle.isGround(a) else 0

    def _splitCircles(self):
        for c in self.pair.circles:
            on = sorted({_angle(c.c, v) for v in self.points
                         if abs(np.linalg.norm(v - c.c) - c.r) < 10 * kTouch})
            if not on:
                on = [0.0]
            for k, a0 in enumerate(on):
                span = _ccw(a0, on[(k + 1) % len(on)]) if len(on) > 1 else kTau
                if not _inRanges((a0 + span / 2.0) % kTau, c.present):
                    continue
                pieces = math.ceil(span / kMaxArc - 1e-9)
                for m in range(pieces):
                    s0 = (a0 + span * m / pieces) % kTau
                    s1 = (a0 + span * (m + 1) / pieces) % kTau
                    tag = self._tag(c, (s0 + span / pieces / 2.0) % kTau)
                    self.edges.append(Edge(self.vertex(c.point(s0)),
                                           self.vertex(c.point(s1)), tag,
                                           circle=c, a0=s0, span=span / pieces))

    def _splitSegments(self):
        for p, q, ground in self.pair.segments:
            e = q - p
            ts = sorted({float(np.dot(v - p, e) / np.dot(e, e)) for v in self.points
                         if _distToLine(v, p, q) < kTouch
                         and -1e-12 <= np.dot(v - p, e) / np.dot(e, e) <= 1 + 1e-12})
            for t0, t1 in zip(ts, ts[1:]):
                a, b = self.vertex(p + t0 * e), self.vertex(p + t1 * e)
                self.edges.append(Edge(a, b, kGroundTag if ground else 0,
                                       line=(self.points[a], self.points[b])))

    # --- faces -----------------------------------------------------------

    def _halfStart(self, h):
        e = self.edges[h // 2]
        return e.a if h % 2 == 0 else e.b

    def _halfEnd(self, h):
        return self._halfStart(h ^ 1)

    def _halfAt(self, h, s):
        """Point and tangent at arc length s from the half-edge's start."""
        e = self.edges[h // 2]
        if h % 2 == 0:
            return e.at(s)
        p, t = e.at(e.length() - s)
        return p, -t

    def _faces(self):
        leaving = {}
        for h in range(2 * len(self.edges)):
            leaving.setdefault(self._halfStart(h), []).append(h)
        shortest = min(e.length() for e in self.edges)
        eta = min(1e-4, shortest / 20.0)

        def direction(h):
            p, _ = self._halfAt(h, eta)
            v = p - self.points[self._halfStart(h)]
            return math.atan2(v[1], v[0])

        def following(h):
            back = h ^ 1
            theta = direction(back)
            best, bestTurn = back, kTau
            for g in leaving[self._halfEnd(h)]:
                if g == back:
                    continue
                turn = (theta - direction(g)) % kTau
                if turn < bestTurn:
                    best, bestTurn = g, turn
            return best

        seen = set()
        cycles = []
        for h in range(2 * len(self.edges)):
            if h in seen:
                continue
            cycle = []
            while h not in seen:
                seen.add(h)
                cycle.append(h)
                h = following(h)
            if h != cycle[0]:
                raise GeometryError("a face walk did not close")
            starts = [self._halfStart(g) for g in cycle]
            if len(set(starts)) != len(starts):
                raise GeometryError("a face outline touches itself; add a cut")
            cycles.append(cycle)
        polys = [self._polygon(c) for c in cycles]
        areas = [_area(p) for p in polys]
        outers = [i for i, a in enumerate(areas) if a > 0.0]
        self.faces = {i: [] for i in outers}
        for i, a in enumerate(areas):
            if a > 0.0:
                continue
            x = self._inside(cycles[i])
            holders = [o for o in outers if _contains(polys[o], x)]
            if holders:
                self.faces[min(holders, key=lambda o: areas[o])].append(cycles[i])
        self.regions = []       # (material tag, outline, holes)
        for o, holes in self.faces.items():
            tag = self._material(self._inside(cycles[o]))
            if tag:
                self.regions.append((tag, cycles[o], holes))

    def _polygon(self, cycle):
        pts = []
        for h in cycle:
            n = max(4, int(self.edges[h // 2].length() / 0.002))
            n = min(n, 400)
            length = self.edges[h // 2].length()
            pts.extend(self._halfAt(h, length * k / n)[0] for k in range(n))
        return np.array(pts)

    def _inside(self, cycle):
        """A point just left of the cycle's longest edge."""
        h = max(cycle, key=lambda g: self.edges[g // 2].length())
        p, t = self._halfAt(h, self.edges[h // 2].length() / 2.0)
        return p + 1e-7 * np.array([-t[1], t[0]])

    def _material(self, x):
        pair = self.pair
        if pair.wire and np.linalg.norm(x - pair.wire.c) < pair.wire.r:
            return 0
        for k in (0, 1):
            if np.linalg.norm(x - pair.conductors[k].c) < pair.conductors[k].r:
                return 0
        for k in (0, 1):
            s = pair.sleeves[k]
            if s and np.linalg.norm(x - s.c) < s.r:
                return kSleeveTags[k]
        return kFillerTag

    # --- gmsh script -----------------------------------------------------

    def sizes(self, pointsPerTurn, maxFraction, contactSize):
        """Mesh size at each vertex of level 0."""
        hmax = maxFraction * 2.0 * self.pair.extent
        own = [hmax] * len(self.points)
        for e in self.edges:
            h = hmax if e.circle is None else min(hmax, kTau * e.circle.r / pointsPerTurn)
            for v in (e.a, e.b):
                own[v] = min(own[v], h)
        for v in self.contacts:
            own[v] *= contactSize
        return own

    def geo(self, sizes, files):
        """gmsh script meshing level 0 and refining it; files maps a level to its file."""
        out = ["Mesh.MshFileVersion = 2.2;", "Mesh.Algorithm = 6;",
               "Mesh.MeshSizeExtendFromBoundary = 1;",
               "Mesh.MeshSizeFromCurvature = 0;", "General.Verbosity = 2;"]
        used = sorted({v for e in self.edges for v in (e.a, e.b)})
        for v in used:
            x, y = self.points[v]
            out.append("Point(%d) = {%r, %r, 0, %r};" % (v + 1, x, y, sizes[v]))
        centres = {}
        for k, e in enumerate(self.edges):
            if e.circle is None:
                out.append("Line(%d) = {%d, %d};" % (k + 1, e.a + 1, e.b + 1))
                continue
            c = id(e.circle)
            if c not in centres:
                centres[c] = len(self.points) + len(centres) + 1
                out.append("Point(%d) = {%r, %r, 0};" % (centres[c], *e.circle.c))
            out.append("Circle(%d) = {%d, %d, %d};" % (k + 1, e.a + 1, centres[c], e.b + 1))
        loops = 0
        surfaces = {}
        for tag, outline, holes in self.regions:
            ids = []
            for cycle in [outline] + holes:
                loops += 1
                curves = ", ".join(str((g // 2 + 1) * (1 if g % 2 == 0 else -1))
                                   for g in cycle)
                out.append("Curve Loop(%d) = {%s};" % (loops, curves))
                ids.append(loops)
            out.append("Plane Surface(%d) = {%s};" % (ids[0], ", ".join(map(str, ids))))
            surfaces.setdefault(tag, []).append(ids[0])
        for tag, ids in sorted(surfaces.items()):
            out.append("Physical Surface(%d) = {%s};" % (tag, ", ".join(map(str, ids))))
        curves = {}
        for k, e in enumerate(self.edges):
            if e.tag:
                curves.setdefault(e.tag, []).append(k + 1)
        for tag, ids in sorted(curves.items()):
            out.append("Physical Curve(%d) = {%s};" % (tag, ", ".join(map(str, ids))))
        out += ["Mesh 2;", "SetOrder 2;"]
        for level in range(max(files) + 1):
            if level:
                out += ["RefineMesh;", "SetOrder 2;"]
            if level in files:
                out.append('Save "%s";' % files[level])
        return "\n".join(out) + "\n"

    def materials(self):
        return sorted({tag for tag, _, _ in self.regions})


def _circleMeets(ci, cj):
    """Common points of two circles, each with whether the circles touch there."""
    d = cj.c - ci.c
    length = np.linalg.norm(d)
    if length < kTouch:
        if abs(ci.r - cj.r) < kTouch:
            raise GeometryError("two curves coincide")
        return []
    u = d / length
    if abs(length - (ci.r + cj.r)) < kTouch:
        return [(ci.c + ci.r * u, True)]
    if abs(length - abs(ci.r - cj.r)) < kTouch:
        big, small = (ci, cj) if ci.r > cj.r else (cj, ci)
        return [(big.c + big.r * _unit(small.c - big.c), True)]
    if abs(ci.r - cj.r) < length < ci.r + cj.r:
        x = (length ** 2 + ci.r ** 2 - cj.r ** 2) / (2.0 * length)
        y = math.sqrt(max(ci.r ** 2 - x * x, 0.0))
        n = np.array([-u[1], u[0]])
        return [(ci.c + x * u + y * n, False), (ci.c + x * u - y * n, False)]
    return []


def _lineMeets(c, p, q):
    """Points inside the line p-q that lie on circle c, with whether it touches."""
    e = q - p
    el = np.linalg.norm(e)
    t = e / el
    f = np.dot(c.c - p, t)
    dist = _distToLine(c.c, p, q)
    inner = kTouch < f < el - kTouch
    if abs(dist - c.r) < kTouch:
        return [(p + f * t, True)] if inner else []
    if dist > c.r:
        return []
    half = math.sqrt(c.r * c.r - dist * dist)
    return [(p + s * t, False) for s in (f - half, f + half) if kTouch < s < el - kTouch]


def _distToLine(x, p, q):
    e = q - p
    w = x - p
    return abs(e[0] * w[1] - e[1] * w[0]) / np.linalg.norm(e)


def _area(poly):
    x, y = poly[:, 0], poly[:, 1]
    return 0.5 * float(np.dot(x, np.roll(y, -1)) - np.dot(y, np.roll(x, -1)))


def _contains(poly, p):
    x, y = poly[:, 0], poly[:, 1]
    x2, y2 = np.roll(x, -1), np.roll(y, -1)
    crosses = (y > p[1]) != (y2 > p[1])
    with np.errstate(divide="ignore", invalid="ignore"):
        xs = x + (p[1] - y) * (x2 - x) / (y2 - y)
    return bool(np.count_nonzero(crosses & (xs > p[0])) % 2)
