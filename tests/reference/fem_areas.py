"""Checks that each material of a mesh covers the area the case gives it.

A region walked the wrong way round or named by the wrong material would
still solve; its area would not match.  The expected areas come from the case
alone (circles, and for a foil the convex hull of densely sampled circle
points), not from the face finding that built the mesh.
"""

import math
import os
import tempfile

import numpy as np

import fem_geometry as geom
import fem_solver as solver

kCheckLevel = 1
kAreaTolerance = 1e-6       # far above the curved edges' error, far below a lost region


def areaMismatch(case, arrangement, sizes, work):
    """Worst relative difference between the meshed and the expected areas."""
    with tempfile.TemporaryDirectory(dir=work) as folder:
        solver.mesh(arrangement, sizes, folder, [kCheckLevel])
        meshed = meshAreas(os.path.join(folder, solver.meshName(kCheckLevel)))
    expected = expectedAreas(case)
    if set(meshed) != set(expected):
        return math.inf
    return max(abs(meshed[t] - a) / a for t, a in expected.items())

kHullSamples = 50000        # points per circle: the hull's area is then short by ~3e-9


def meshAreas(path):
    """Area per physical surface tag of a gmsh 2.2 file of 6-node triangles."""
    with open(path) as f:
        lines = f.read().split("\n")
    start = lines.index("$Nodes")
    count = int(lines[start + 1])
    ids = np.empty(count, dtype=np.int64)
    xy = np.empty((count, 2))
    for k in range(count):
        words = lines[start + 2 + k].split()
        ids[k] = int(words[0])
        xy[k] = float(words[1]), float(words[2])
    where = np.zeros(ids.max() + 1, dtype=np.int64)
    where[ids] = np.arange(count)
    start = lines.index("$Elements")
    tags, nodes = [], []
    for line in lines[start + 2:start + 2 + int(lines[start + 1])]:
        words = list(map(int, line.split()))
        if words[1] == 9:
            tags.append(words[3])
            nodes.append(words[3 + words[2]:])
    tags = np.array(tags)
    x = xy[where[np.array(nodes)]]          # triangles x 6 nodes x 2
    area = np.zeros(len(tags))
    # The Jacobian of a 6-node triangle is quadratic: three points are exact.
    for u, v in ((1 / 6, 1 / 6), (2 / 3, 1 / 6), (1 / 6, 2 / 3)):
        w = 1.0 - u - v
        du = np.array([1 - 4 * w, 4 * u - 1, 0, 4 * (w - u), 4 * v, -4 * v])
        dv = np.array([1 - 4 * w, 0, 4 * v - 1, -4 * u, 4 * u, 4 * (w - v)])
        ju, jv = np.einsum("n,enc->ec", du, x), np.einsum("n,enc->ec", dv, x)
        area += (ju[:, 0] * jv[:, 1] - ju[:, 1] * jv[:, 0]) / 6.0
    return {int(t): float(area[tags == t].sum()) for t in np.unique(tags)}


def expectedAreas(case):
    """Area per material tag, from the case's dimensions."""
    disc = lambda d: math.pi * d * d / 4.0  # noqa: E731
    sleeves = [case.di, case.di2]
    out = {geom.kSleeveTags[k]: disc(sleeves[k]) - disc(case.d)
           for k in (0, 1) if sleeves[k] > case.d}
    if case.shield == "round":
        inside = disc(case.size)
    else:
        pair = geom.Pair(case)
        circles = [(pair.outer(k).c, pair.outer(k).r + case.size) for k in (0, 1)]
        if pair.wire:
            circles.append((pair.wire.c, pair.wire.r))
        inside = _hullArea(circles)
    out[geom.kFillerTag] = inside - sum(disc(max(d, case.d)) for d in sleeves) \
        - disc(case.dw)
    return out


def _hullArea(circles):
    t = np.linspace(0.0, 2.0 * math.pi, kHullSamples, endpoint=False)
    ring = np.stack([np.cos(t), np.sin(t)], axis=1)
    pts = np.concatenate([c + r * ring for c, r in circles])
    pts = pts[np.lexsort((pts[:, 1], pts[:, 0]))]
    hull = []
    for sweep in (pts, pts[::-1]):
        chain = []
        for p in sweep:
            while len(chain) >= 2 and _cross(chain[-2], chain[-1], p) <= 0.0:
                chain.pop()
            chain.append(p)
        hull += chain[:-1]
    h = np.array(hull)
    return 0.5 * abs(np.dot(h[:, 0], np.roll(h[:, 1], -1))
                     - np.dot(h[:, 1], np.roll(h[:, 0], -1)))


def _cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])
