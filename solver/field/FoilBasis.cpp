#include "field/FoilBasis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// Point charges per unit length of outline, per unit of order, and how far
// outside the outline they sit (stadium radii): far enough that the rows
// between them see a smooth field, near enough to follow the corners.
constexpr double kChargesPerLength = 0.8;
constexpr double kChargeOffset = 0.15;

double perimeter(const FoilGeometry& g)
{
    double length = 0;
    for (const OutlinePiece& p : g.hull)
        length += p.length();
    return length;
}

double fundamentalLength(const FoilGeometry& g, const FoilSymmetry& s)
{
    if (!g.hull.empty())
        return perimeter(g) / (s.mirrorX ? 2 : 1);
    const double quarter = g.halfLength + kPi / 2;
    return s.mirrorX ? (s.mirrorY ? quarter : 2 * quarter) : 4 * quarter;
}

// The outline from its top on the y axis clockwise by arc length, offset outward.
Complex outlinePoint(const FoilGeometry& g, double s, double offset)
{
    if (!g.hull.empty()) {
        for (const OutlinePiece& p : g.hull) {
            if (s <= p.length())
                return p.at(s) + offset * p.outward(s);
            s -= p.length();
        }
        const OutlinePiece& last = g.hull.back();
        return last.at(last.length()) + offset * last.outward(last.length());
    }
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

}  // namespace

FoilOrder foilOrder(const FoilGeometry& g, const FoilSymmetry& s, int order)
{
    return {order, 2 * order, static_cast<int>(std::ceil(kChargesPerLength * order * fundamentalLength(g, s)))};
}

void Gradients::resize(int n)
{
    value.assign(n, 0.0);
    dx.assign(n, 0.0);
    dy.assign(n, 0.0);
}

FillerBasis::FillerBasis(const FoilGeometry& g, const FoilSymmetry& s, const FoilOrder& order)
    : geometry_(&g), mirrorX_(s.mirrorX), mirrorY_(s.mirrorY)
{
    circles_ = s.mirrorX ? 1 : 2;
    multipoles_ = order.multipoles;
    const double length = fundamentalLength(g, s);
    // With the y mirror the fundamental part starts at the top wall's
    // middle; without it, at the bottom wall's middle (the x mirror) or anywhere.
    const double start = s.mirrorX && !s.mirrorY && g.hull.empty() ? -length / 2 : 0;
    for (int m = 0; m < order.charges; ++m)
        sources_.push_back(outlinePoint(g, start + length * (m + 0.5) / order.charges, kChargeOffset));
    const int centres = circles_ + (g.drain.present ? 1 : 0);
    generators_ = centres * (1 + (s.mirrorY ? 1 : 2) * multipoles_) + static_cast<int>(sources_.size());
}

void FillerBasis::addImage(Complex z, bool flipY, bool flipX, Gradients& into) const
{
    // At the image point, then grad Re F = conj(F') mirrored back.
    const double x = flipX ? -z.real() : z.real(), y = flipY ? -z.imag() : z.imag();
    const double sx = flipX ? -1 : 1, sy = flipY ? -1 : 1;
    double* value = into.value.data();
    double* dx = into.dx.data();
    double* dy = into.dy.data();
    int column = 0;
    const auto add = [&](double v, double slopeRe, double slopeIm) {
        value[column] += v;
        dx[column] += sx * slopeRe;
        dy[column++] -= sy * slopeIm;
    };
    // The region circles' multipoles, then the drain's (about its centre, its radius).
    const int centres = circles_ + (geometry_->drain.present ? 1 : 0);
    for (int j = 0; j < centres; ++j) {
        const bool drain = j == circles_;
        const Complex centre = drain ? geometry_->drain.centre : geometry_->circles[j].centre;
        const double radius = drain ? geometry_->drain.radius : geometry_->circles[j].radius;
        const double ux = x - centre.real(), uy = y - centre.imag();
        const double norm = ux * ux + uy * uy;
        // 1 / d, written out: the library's division guards against
        // infinities at a cost that dominated the whole solve.
        const double ix = ux / norm, iy = -uy / norm;
        add(0.5 * std::log(norm), ix, iy);
        const double wx = radius * ix, wy = radius * iy;
        double px = 1, py = 0;
        for (int k = 1; k <= multipoles_; ++k) {
            const double nx = px * wx - py * wy;
            py = px * wy + py * wx;
            px = nx;
            // (w^k)' = -k w^k / d
            const double sRe = -k * (px * ix - py * iy), sIm = -k * (px * iy + py * ix);
            add(px, sRe, sIm);
            if (!mirrorY_)
                add(py, sIm, -sRe);  // Im F = Re(-i F)
        }
    }
    for (const Complex& s : sources_) {
        const double ux = x - s.real(), uy = y - s.imag();
        const double norm = ux * ux + uy * uy;
        add(0.5 * std::log(norm), ux / norm, -uy / norm);
    }
}

void FillerBasis::evaluate(Complex z, Gradients& a, Gradients& b) const
{
    a.resize(generators_);
    addImage(z, false, false, a);
    if (mirrorY_)
        addImage(z, true, false, a);
    if (!mirrorX_)
        return;
    b.resize(generators_);
    addImage(z, false, true, b);
    if (mirrorY_)
        addImage(z, true, true, b);
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
    const double c1 = std::cos(theta), s1 = std::sin(theta);
    double c = 1, s = 0;
    for (int n = 1; n <= modes_; ++n) {
        const double x = shrink_[n - 1];
        const double next = c * c1 - s * s1;
        s = s * c1 + c * s1;
        c = next;
        value[column] = (1 - x) * c;
        radial[column++] = n * (1 + x) * c;
        if (sines_) {
            value[column] = (1 - x) * s;
            radial[column++] = n * (1 + x) * s;
        }
    }
}
