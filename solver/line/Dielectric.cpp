#include "line/Dielectric.h"

#include <cmath>

#include "line/ModelTexts.h"

namespace {

// ln((f_high + j f)/(f_low + j f)) / ln(f_high/f_low): 1 at DC, 0 far above.
std::complex<double> spread(const DielectricBand& band, double frequency)
{
    const std::complex<double> ratio = std::complex<double>(band.high, frequency) /
                                       std::complex<double>(band.low, frequency);
    return std::log(ratio) / std::log(band.high / band.low);
}

}  // namespace

std::complex<double> Permittivity::at(double frequency) const
{
    if (model == DielectricModel::ConstantLossTangent)
        return {material.er, -material.er * material.tanDelta};
    return erInfinity + erStep * spread(band, frequency);
}

Permittivity fitPermittivity(const LossyDielectric& material, DielectricModel model, const DielectricBand& band)
{
    Permittivity p;
    p.model = model;
    p.material = material;
    p.band = band;
    if (!(std::isfinite(material.er) && material.er > 0))
        p.error = std::string(kMaterialErText);
    else if (!(std::isfinite(material.tanDelta) && material.tanDelta >= 0))
        p.error = std::string(kMaterialTanDeltaText);
    if (!p.error.empty() || model == DielectricModel::ConstantLossTangent)
        return p;
    if (!(band.low > 0 && band.low < band.high && std::isfinite(band.high) && band.fitFrequency > 0 &&
          std::isfinite(band.fitFrequency))) {
        p.error = std::string(kBandText);
        return p;
    }
    const std::complex<double> atFit = spread(band, band.fitFrequency);
    p.erStep = material.er * material.tanDelta / -atFit.imag();
    p.erInfinity = material.er - p.erStep * atFit.real();
    if (!(p.erInfinity > 0))
        p.error = std::string(kWidebandLossTooLargeText);
    return p;
}
