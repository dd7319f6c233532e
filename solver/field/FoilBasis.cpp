#include "field/FoilBasis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// Point charges per unit length of outline, per unit of order, and how far
// outside the outline they sit (stadium radii): far enough that the rows
// between them see a smooth field, near enough to follow the corners.
constexpr double kChargesPerLength = 1.2;
constexpr double kChargeOffset = 0.15;

double fundamentalLength(const FoilGeometry& g, const FoilSymmetry& s)
{
    const double quarter = g.halfLength + kPi / 2;
    return s.mirrorX ? (s.mirrorY ? quarter : 2 * quarter) : 4 * quarter;
}

// The outline from (0, 1) clockwise by arc length, offset outward.
Complex outlinePoint(const FoilGeometry& g, double s, double offset)
{
    const double h = g.halfLength;
    const double perimeter = 4 * h + 2 * kPi;
    s = std::fmod(std::fmod(s, perimeter) + perimeter, perimeter);
    if (s <= h)
        return {s, 1 + offset};
    if (s <= h + kPi)
        return Complex(h, 0) + (1 + offset) * std::polar(1.0, kPi / 2 - (s - h));
    if (s <= 3 * h + kPi)
        return {h - (s - h - kPi), -1 - offset};
    if (s <= 3 * h + 2 * kPi)
        return Complex(-h, 0) + (1 + offset) * std::polar(1.0, -kPi / 2 - (s - 3 * h - kPi));
    return {-h + (s - 3 * h - 2 * kPi), 1 + offset};
}

Complex image(Complex z, bool flipX, bool flipY)
{
    return {flipX ? -z.real() : z.real(), flipY ? -z.imag() : z.imag()};
}

}  // namespace

FoilOrder foilOrder(const FoilGeometry& g, const FoilSymmetry& s, int order)
{
    return {order, 2 * order, static_cast<int>(std::ceil(kChargesPerLength * order * fundamentalLength(g, s)))};
}

FillerBasis::FillerBasis(const FoilGeometry& g, const FoilSymmetry& s, const FoilOrder& order) : geometry_(&g)
{
    images_.push_back({1, false, false});
    if (s.mirrorX)
        images_.push_back({static_cast<double>(s.parity), true, false});
    if (s.mirrorY) {
        const std::size_t n = images_.size();
        for (std::size_t i = 0; i < n; ++i)
            images_.push_back({images_[i].weight, images_[i].flipX, true});
    }
    circles_ = s.mirrorX ? 1 : 2;
    multipoles_ = order.multipoles;
    imaginaryParts_ = !s.mirrorY;
    constant_ = !s.mirrorX || s.parity > 0;
    const double length = fundamentalLength(g, s);
    // With the y mirror the fundamental part starts at the top wall's
    // middle; without it, at the bottom wall's middle (the x mirror) or anywhere.
    const double start = s.mirrorX && !s.mirrorY ? -length / 2 : 0;
    for (int m = 0; m < order.charges; ++m)
        sources_.push_back(outlinePoint(g, start + length * (m + 0.5) / order.charges, kChargeOffset));
    size_ = circles_ * (1 + (imaginaryParts_ ? 2 : 1) * multipoles_) + static_cast<int>(sources_.size()) +
            (constant_ ? 1 : 0);
}

void FillerBasis::addGenerators(Complex z, const Image& i, double* value, double* dx, double* dy) const
{
    // grad Re F = conj(F'), mirrored back onto the original point.
    const double sx = i.flipX ? -i.weight : i.weight, sy = i.flipY ? -i.weight : i.weight;
    int column = 0;
    const auto add = [&](double v, Complex slope) {
        value[column] += i.weight * v;
        dx[column] += sx * slope.real();
        dy[column++] -= sy * slope.imag();
    };
    for (int j = 0; j < circles_; ++j) {
        const FoilCircle& c = geometry_->circles[j];
        const Complex d = z - c.centre;
        const Complex inverse = 1.0 / d;
        add(std::log(std::abs(d)), inverse);
        const Complex w = c.radius * inverse;
        Complex power = 1;
        for (int k = 1; k <= multipoles_; ++k) {
            power *= w;
            const Complex slope = -static_cast<double>(k) * power * inverse;
            add(power.real(), slope);
            if (imaginaryParts_)
                add(power.imag(), Complex(0, -1) * slope);  // Im F = Re(-i F)
        }
    }
    for (const Complex& s : sources_) {
        const Complex d = z - s;
        add(0.5 * std::log(std::norm(d)), 1.0 / d);
    }
}

void FillerBasis::evaluate(Complex z, double* value, double* dx, double* dy) const
{
    std::fill(value, value + size_, 0.0);
    std::fill(dx, dx + size_, 0.0);
    std::fill(dy, dy + size_, 0.0);
    for (const Image& i : images_)
        addGenerators(image(z, i.flipX, i.flipY), i, value, dx, dy);
    if (constant_)
        value[size_ - 1] = 1;
}

SleeveBasis::SleeveBasis(const FoilCircle& c, int modes, bool sines) : logRatio_(c.logRatio), modes_(modes), sines_(sines)
{
    for (int n = 1; n <= modes; ++n)
        shrink_.push_back(std::exp(-2 * n * c.logRatio));
}

void SleeveBasis::evaluate(double theta, double* value, double* radial) const
{
    value[0] = logRatio_;
    radial[0] = 1;
    int column = 1;
    for (int n = 1; n <= modes_; ++n) {
        const double x = shrink_[n - 1];
        const double c = std::cos(n * theta), s = std::sin(n * theta);
        value[column] = (1 - x) * c;
        radial[column++] = n * (1 + x) * c;
        if (sines_) {
            value[column] = (1 - x) * s;
            radial[column++] = n * (1 + x) * s;
        }
    }
}
