#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "field/CrossSection.h"
#include "field/FieldSolution.h"
#include "field/Matrix2.h"

// tests/reference/fem_cases.inc: second-order FEM (gmsh + getdp), refined and
// extrapolated, each row with its own accuracy: a method that shares nothing
// with the series or the foil solver. Lengths in mm, capacitances in pF/m.
struct FemCase {
    const char* name;
    const char* shield;
    double size, s, d, di, erSleeve, erFill, drain, x1, y1, sx1, sy1, di2, erSleeve2;
    double c11, c12, c22, c011, c012, c022;  // pF/m
    double accuracy;
};

inline constexpr FemCase kFemCases[] = {
#include "../../reference/fem_cases.inc"
};

// The row's cross-section; the capacitances do not depend on the scale.
inline CrossSection sectionOf(const FemCase& row)
{
    CrossSection section;
    section.cores[0] = {row.s / 2 + row.x1, row.y1, row.d, row.di, row.sx1, row.sy1, row.erSleeve};
    section.cores[1] = {-row.s / 2, 0, row.d, row.di2, 0, 0, row.erSleeve2};
    section.fillerEr = row.erFill;
    if (std::string(row.shield) == "foil")
        section.shield = FoilShield{row.size, row.drain};
    else
        section.shield = RoundShield{row.size};
    return section;
}

// Entry errors within a of C11 and |C12| move V'CV by at most
// a (C11 + |C12|) |V|^2, and V'CV >= (C11 - |C12|) |V|^2.
inline double entryToForm(const Sym2& c, double a)
{
    return a * (c.xx + std::fabs(c.xy)) / (c.xx - std::fabs(c.xy));
}

// C and C0 of a solution against the row, within the two bounds.
inline void expectMatchesFem(const FemCase& row, const FieldSolution& f)
{
    const Sym2 fem{row.c11 * 1e-12, row.c12 * 1e-12, row.c22 * 1e-12};
    const Sym2 fem0{row.c011 * 1e-12, row.c012 * 1e-12, row.c022 * 1e-12};
    EXPECT_LE(largestGeneralised(f.c - fem, fem), f.bound + entryToForm(fem, row.accuracy)) << row.name;
    EXPECT_LE(largestGeneralised(f.c0 - fem0, fem0), f.bound + entryToForm(fem0, row.accuracy)) << row.name;
}
