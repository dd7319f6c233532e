#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <string>

#include "CaseName.h"
#include "line/Dielectric.h"
#include "line/ModelTexts.h"

namespace {

struct Fit {
    const char* name;
    LossyDielectric material;
    DielectricBand band;
};

class WidebandDielectric : public testing::TestWithParam<Fit> {};

// Er(f_fit) is the material as given.
TEST_P(WidebandDielectric, HoldsTheGivenFigures)
{
    const Fit& c = GetParam();
    const Permittivity p = fitPermittivity(c.material, DielectricModel::Wideband, c.band);
    ASSERT_EQ(p.error, "");
    const std::complex<double> e = p.at(c.band.fitFrequency);
    EXPECT_NEAR(e.real(), c.material.er, 1e-14 * c.material.er);
    EXPECT_NEAR(-e.imag(), c.material.er * c.material.tanDelta, 1e-14 * c.material.er);
}

// The model is a continuum of Debye relaxations, 1/(1 + j f/F) for F evenly
// spread over log f from f_low to f_high, each the response of a causal
// relaxation: summed by the midpoint rule on log F, the sum converges to it.
TEST_P(WidebandDielectric, IsASumOfDebyeRelaxations)
{
    const Fit& c = GetParam();
    const Permittivity p = fitPermittivity(c.material, DielectricModel::Wideband, c.band);
    ASSERT_EQ(p.error, "");
    const double span = std::log(c.band.high / c.band.low);
    constexpr int kTerms = 200000;
    for (double f : {0.0, c.band.low, c.band.fitFrequency, std::sqrt(c.band.low * c.band.high), 10 * c.band.high}) {
        std::complex<double> sum = 0;
        for (int k = 0; k < kTerms; ++k) {
            const double relaxation = c.band.low * std::exp(span * (k + 0.5) / kTerms);
            sum += 1.0 / std::complex<double>(1, f / relaxation);
        }
        const std::complex<double> debye = p.erInfinity + p.erStep * sum / double(kTerms);
        EXPECT_LE(std::abs(debye - p.at(f)), 1e-9 * c.material.er) << f;
    }
}

INSTANTIATE_TEST_SUITE_P(Materials, WidebandDielectric,
                         testing::Values(Fit{"Ptfe", {2.1, 2e-4}, {1e9, 1e3, 1e12}},
                                         Fit{"Fr4", {4.3, 0.02}, {1e9, 1e3, 1e12}},
                                         Fit{"NarrowBandLowFit", {3.0, 0.005}, {1e5, 1e4, 1e8}},
                                         Fit{"Lossless", {2.25, 0}, {1e9, 1e3, 1e12}}),
                         CaseName{});

// Fitted well inside its band, the loss Er'' stays within 1 % of the fitted
// one from two decades above the band's bottom to two below its top: what
// "a constant loss, made causal" means.
TEST(WidebandDielectric, LossIsFlatInsideTheBand)
{
    const Permittivity p = fitPermittivity({4.3, 0.02}, DielectricModel::Wideband, {1e9, 1e3, 1e12});
    for (double f = 1e5; f <= 1e10; f *= 10)
        EXPECT_NEAR(-p.at(f).imag(), 4.3 * 0.02, 0.01 * 4.3 * 0.02) << f;
}

// Loss means dispersion: Er falls across the band, by about
// (2/pi) ln(10) tan(delta) Er a decade.
TEST(WidebandDielectric, ErFallsWithFrequency)
{
    const Permittivity p = fitPermittivity({4.3, 0.02}, DielectricModel::Wideband, {});
    const double decade = p.at(1e8).real() - p.at(1e9).real();
    EXPECT_NEAR(decade, 2 / std::numbers::pi * std::log(10) * 0.02 * 4.3, 0.02 * decade);
    EXPECT_GT(p.at(0).real(), p.at(1e15).real());
}

TEST(ConstantLossTangent, SameAtEveryFrequency)
{
    const Permittivity p = fitPermittivity({2.1, 2e-4}, DielectricModel::ConstantLossTangent, {});
    ASSERT_EQ(p.error, "");
    for (double f : {0.0, 1.0, 1e9, 1e15})
        EXPECT_EQ(p.at(f), std::complex<double>(2.1, -2.1 * 2e-4));
}

struct Refusal {
    const char* name;
    LossyDielectric material;
    DielectricBand band;
    std::string_view text;
};

class DielectricRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(DielectricRefusal, SaysWhy)
{
    const Refusal& c = GetParam();
    EXPECT_EQ(fitPermittivity(c.material, DielectricModel::Wideband, c.band).error, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DielectricRefusal,
    testing::Values(Refusal{"ErZero", {0, 0.01}, {}, kMaterialErText},
                    Refusal{"ErNan", {NAN, 0.01}, {}, kMaterialErText},
                    Refusal{"TanDeltaNegative", {2, -1e-3}, {}, kMaterialTanDeltaText},
                    Refusal{"BandUpsideDown", {2, 1e-3}, {1e9, 1e12, 1e3}, kBandText},
                    Refusal{"BandFromZero", {2, 1e-3}, {1e9, 0, 1e12}, kBandText},
                    Refusal{"FitAtZero", {2, 1e-3}, {0, 1e3, 1e12}, kBandText},
                    // Er would fall below zero before the top of twelve decades.
                    Refusal{"LossTooLarge", {2, 0.3}, {1e3, 1, 1e15}, kWidebandLossTooLargeText}),
    CaseName{});

}  // namespace
