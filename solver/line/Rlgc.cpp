#include "line/Rlgc.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "Codata.h"
#include "line/ModelTexts.h"
#include "line/WireImpedance.h"

namespace {

constexpr double kPi = std::numbers::pi;

Sym2 inverseOf(const Sym2& m)
{
    return congruenceByInverse(Mat2{1, 0, 0, 1}, m);
}

std::string lossesError(const LineLosses& losses)
{
    for (double t : losses.tanDelta)
        if (!(std::isfinite(t) && t >= 0))
            return std::string(kMaterialTanDeltaText);
    if (!(losses.conductivity > 0))
        return std::string(kConductivityText);
    if (losses.foil.thickness != 0 && !(losses.foil.conductivity > 0 && losses.foil.thickness > 0))
        return std::string(kFoilMetalText);
    return {};
}

}  // namespace

RlgcModel::RlgcModel(const CrossSection& section, const FieldSolution& solution, const LineLosses& losses)
    : solution_(solution), losses_(losses)
{
    if (solution.status != FieldStatus::Solved) {
        error_ = std::string(kNoFieldSolutionText);
        return;
    }
    if (error_ = lossesError(losses); !error_.empty())
        return;
    er_ = {section.cores[0].sleeveEr, section.cores[1].sleeveEr, section.fillerEr};
    for (int i = 0; i < 3; ++i) {
        permittivities_[i] = fitPermittivity({er_[i], losses.tanDelta[i]}, losses.dielectric, losses.band);
        if (!permittivities_[i].error.empty()) {
            error_ = permittivities_[i].error;
            return;
        }
    }
    radius_ = {section.cores[0].diameter / 2, section.cores[1].diameter / 2};
    externalInductance_ = (kMu0 * kEpsilon0) * inverseOf(solution.c0);
    excess_ = solution.rHat - Sym2{1 / (2 * kPi * radius_[0]), 0, 1 / (2 * kPi * radius_[1])};
    if (losses.foil.thickness > 0) {
        foilShare_ = solution.rHatShield;
        excess_ = excess_ - foilShare_;
    }
}

void RlgcModel::addFoil(double frequency, Rlgc& x) const
{
    const FoilWall& foil = losses_.foil;
    if (foil.thickness == 0 || std::isinf(foil.conductivity))
        return;
    if (frequency == 0) {
        x.r += (1 / (foil.conductivity * foil.thickness)) * foilShare_;
        x.l += (kMu0 * foil.thickness / 3) * foilShare_;
        return;
    }
    const double depth = 1 / std::sqrt(kPi * frequency * kMu0 * foil.conductivity);
    // coth u = (1 + e^-2u)/(1 - e^-2u), with no overflow where the foil is
    // many skin depths thick; its Laurent series where u is so small that
    // the difference would cancel (the next term, 2 u^5/945, below 1e-13).
    const std::complex<double> u(foil.thickness / depth, foil.thickness / depth);
    const std::complex<double> decay = std::exp(-2.0 * u);
    const std::complex<double> coth =
        std::abs(u) < 1e-2 ? 1.0 / u + u / 3.0 - u * u * u / 45.0 : (1.0 + decay) / (1.0 - decay);
    const std::complex<double> wall = std::complex<double>(1, 1) / (foil.conductivity * depth) * coth;
    x.r += wall.real() * foilShare_;
    x.l += (wall.imag() / (2 * kPi * frequency)) * foilShare_;
}

Sym2 RlgcModel::firstOrderCapacitance(const std::array<double, 3>& er) const
{
    Sym2 c = solution_.c;
    for (int i = 0; i < 3; ++i)
        c += (er[i] - er_[i]) * solution_.dCdEr[i];
    return c;
}

Rlgc RlgcModel::at(double frequency) const
{
    Rlgc x;
    x.frequency = frequency;
    const double omega = 2 * kPi * frequency;
    const double sigma = losses_.conductivity;
    const bool lossless = std::isinf(sigma);

    if (lossless) {
        x.l = externalInductance_;
    } else if (frequency == 0) {
        x.r = {1 / (sigma * kPi * radius_[0] * radius_[0]), 0, 1 / (sigma * kPi * radius_[1] * radius_[1])};
        x.l = externalInductance_ + Sym2{kMu0 / (8 * kPi), 0, kMu0 / (8 * kPi)} +
              (kMu0 * std::sqrt(radius_[0] * radius_[1]) / 4) * excess_;
    } else {
        const double depth = 1 / std::sqrt(kPi * frequency * kMu0 * sigma);
        std::array<std::complex<double>, 2> wire, transition;
        for (int i = 0; i < 2; ++i) {
            const double dcResistance = 1 / (sigma * kPi * radius_[i] * radius_[i]);
            const std::complex<double> excess = wireExcessRatio(radius_[i] / depth);
            wire[i] = dcResistance * (1.0 + excess);
            transition[i] = 2 * kPi * radius_[i] * dcResistance * excess;
        }
        const std::complex<double> shared =
            radius_[0] == radius_[1] ? transition[0] : std::sqrt(transition[0]) * std::sqrt(transition[1]);
        x.r = Sym2{wire[0].real(), 0, wire[1].real()} + shared.real() * excess_;
        x.l = externalInductance_ + (1 / omega) * (Sym2{wire[0].imag(), 0, wire[1].imag()} + shared.imag() * excess_);
    }
    addFoil(frequency, x);

    std::array<double, 3> real{}, loss{};
    for (int i = 0; i < 3; ++i) {
        const std::complex<double> e = permittivities_[i].at(frequency);
        real[i] = e.real();
        loss[i] = -e.imag();
    }
    x.c = losses_.dielectric == DielectricModel::ConstantLossTangent ? solution_.c : firstOrderCapacitance(real);
    for (int i = 0; i < 3; ++i)
        x.g += (omega * loss[i]) * solution_.dCdEr[i];
    return x;
}

double RlgcModel::seriesBound() const
{
    const double b = solution_.bound;
    return b / (1 - b) + solution_.rHatError;
}

double RlgcModel::shuntBound(double frequency) const
{
    const double field = solution_.bound + solution_.derivativeError;
    if (losses_.dielectric == DielectricModel::ConstantLossTangent)
        return field;
    std::array<double, 3> real{};
    Sym2 thomson;
    for (int i = 0; i < 3; ++i) {
        real[i] = permittivities_[i].at(frequency).real();
        thomson += (er_[i] * er_[i] / real[i]) * solution_.dCdEr[i];
    }
    const Sym2& c = solution_.c;
    const Sym2 lower = congruenceByInverse(Mat2{c.xx, c.xy, c.xy, c.yy}, thomson);
    return field + largestGeneralised(firstOrderCapacitance(real) - lower, lower);
}
