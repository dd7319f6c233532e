#include "line/ModeConversion.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

#include "Codata.h"
#include "line/LineNetwork.h"
#include "line/LineSweep.h"

namespace {

// As in AsymmetricPair.cpp: far above the rounding, far below the curvature.
constexpr double kBoundStep = 1e-5;

struct Figures {
    std::string error;
    std::array<Complex, 4> s{};  // sdd21, scc21, scd21, sdc21
    double errorEstimate = 0;
};

Figures figuresOf(const CrossSection& section, const FieldSolution& solution, const LineLosses& losses,
                  double frequency, double length)
{
    Figures f;
    const RlgcModel model(section, solution, losses);
    NetworkRequest request;
    request.length = length;
    const double frequencies[] = {frequency};
    const NetworkSweep sweep = networkSweep(model, frequencies, request);
    if (!sweep.error.empty()) {
        f.error = sweep.error;
        return f;
    }
    // Ports: d near, d far, c near, c far.
    const Mat4& m = sweep.points[0].mixedMode;
    f.s = {m[1][0], m[3][2], m[3][0], m[1][2]};
    f.errorEstimate = sweep.errorEstimate;
    return f;
}

Mat2 cholesky(const Sym2& s)
{
    const double r11 = std::sqrt(s.xx), r12 = s.xy / r11;
    return {r11, r12, 0, std::sqrt(s.yy - r12 * r12)};
}

double commonness(Complex a, Complex b)
{
    return std::norm(a + b) / (2 * (std::norm(a) + std::norm(b)));
}

}  // namespace

ModeConversion modeConversion(const CrossSection& section, const FieldSolution& solution, const LineLosses& losses,
                              double frequency, double length, bool estimateError)
{
    ModeConversion out;
    const Figures base = figuresOf(section, solution, losses, frequency, length);
    if (!base.error.empty()) {
        out.error = base.error;
        return out;
    }
    out.sdd21 = std::abs(base.s[0]);
    out.scc21 = std::abs(base.s[1]);
    out.scd21 = std::abs(base.s[2]);
    out.sdc21 = std::abs(base.s[3]);
    out.scd21Value = base.s[2];
    // The worst first-order change of S over dC = b R'ER, |E| <= 1, is at
    // most b times the nuclear norms of the real and the imaginary gradient
    // in E, for C and C0 each; |S| changes by no more than S does (a
    // conversion of zero has no derivative of its modulus).
    std::array<double, 4> worst{};
    for (Sym2 FieldSolution::*matrix : {&FieldSolution::c, &FieldSolution::c0}) {
        if (!estimateError)
            break;
        const Mat2 r = cholesky(solution.*matrix);
        std::array<std::array<Complex, 4>, 3> gradient{};
        for (int k = 0; k < 3; ++k) {
            const Sym2 e = k == 0 ? Sym2{1, 0, 0} : k == 1 ? Sym2{0, 0, 1} : Sym2{0, 1, 0};
            std::array<Figures, 2> ends;
            for (int side = 0; side < 2; ++side) {
                FieldSolution moved = solution;
                moved.*matrix = moved.*matrix + (side == 0 ? kBoundStep : -kBoundStep) * congruence(e, r);
                ends[side] = figuresOf(section, moved, losses, frequency, length);
            }
            for (int i = 0; i < 4; ++i)
                gradient[k][i] = (ends[0].s[i] - ends[1].s[i]) / (2 * kBoundStep);
        }
        for (int i = 0; i < 4; ++i) {
            const auto nuclear = [&](auto partOf) {
                const double g11 = partOf(gradient[0][i]), g22 = partOf(gradient[1][i]);
                const double g12 = partOf(gradient[2][i]) / 2;
                const double mean = (g11 + g22) / 2, radius = std::hypot((g11 - g22) / 2, g12);
                return std::fabs(mean + radius) + std::fabs(mean - radius);
            };
            worst[i] += solution.bound * (nuclear([](Complex z) { return z.real(); }) +
                                          nuclear([](Complex z) { return z.imag(); }));
        }
    }
    out.errorEstimate = estimateError ? std::max(base.errorEstimate, *std::ranges::max_element(worst)) : 0;

    const Rlgc x = RlgcModel(section, solution, losses).at(frequency);
    const double omega = 2 * std::numbers::pi * frequency;
    if (const std::optional<Modes> modes = lineModes(withImaginary(x.r, omega, x.l), withImaginary(x.g, omega, x.c))) {
        const CMat2& t = modes->voltage;
        const int common = commonness(t.a, t.c) >= commonness(t.b, t.d) ? 0 : 1;
        out.attenuation = {modes->gamma[common].real() * kNeperInDecibel,
                           modes->gamma[1 - common].real() * kNeperInDecibel};
    }
    return out;
}
