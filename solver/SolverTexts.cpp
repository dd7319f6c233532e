#include "SolverTexts.h"

#include "NumberText.h"

namespace {

std::string number(double value)
{
    return formatSignificant(value, kTextDigits);
}

std::string shapeText(double sd, double dd)
{
    return "S/D " + number(sd) + ", D/d " + number(dd);
}

}  // namespace

std::string coreName(int index)
{
    return "Core " + std::to_string(index + 1);
}

std::string zeroPivotText(int k)
{
    const std::string index = std::to_string(k);
    return std::string(kZeroPivotStart) + index + index + " =0";
}

std::string noImprovementText(bool english, long long count)
{
    std::string text(kNoImprovementText.in(english));
    if (!english)
        text += std::to_string(count);
    return text;
}

std::string gapTooNarrowText(double coreGap, double shieldGap, double minGap)
{
    // A gap of exactly minGap as typed comes out of the products a hair below.
    const double least = minGap * (1 - 1e-12);
    std::string narrow;
    if (!(coreGap >= least))
        narrow = "core to core " + number(coreGap) + " r";
    if (!(shieldGap >= least))
        narrow += (narrow.empty() ? "" : ", ") + ("core to shield " + number(shieldGap) + " r");
    if (narrow.empty())
        return {};
    return std::string(kGapTooNarrowStart) + " (at least " + number(minGap) + " r): " + narrow;
}

std::string notConvergedText(double bound, int highestOrder, double wanted)
{
    return std::string(kNotConvergedStart) + number(bound) + " at the highest order " + std::to_string(highestOrder) +
           ", wanted " + number(wanted);
}

std::string orderOutOfRangeText(int order, int highestOrder)
{
    return "Order " + std::to_string(order) + " out of range 1 to " + std::to_string(highestOrder);
}

std::string atOrderText(std::string_view what, int order)
{
    return std::string(what) + " at order " + std::to_string(order);
}

std::string startOutOfReachText(double sd, double dd, std::string_view refusal)
{
    return "The start " + shapeText(sd, dd) + " cannot be brought into the converged solver's reach: " +
           std::string(refusal);
}

std::string noNewtonStepText(double sd, double dd)
{
    return "No Newton step at " + shapeText(sd, dd) + ": the slopes of Ze and Zo are unusable there";
}

std::string noTrialImprovesText(double sd, double dd, bool atEdge, std::string_view lastRefusal)
{
    std::string text = "No trial step improves on " + shapeText(sd, dd);
    if (atEdge)
        text += ", at the edge of the converged solver's reach: the wanted Ze and Zo probably need a shape beyond it";
    if (!lastRefusal.empty())
        text.append("; the last refusal: ").append(lastRefusal);
    return text;
}

std::string convergedCountOverText(long long limit)
{
    return std::string(kConvergedCountOverStart) + " the limit is " + std::to_string(limit) +
           " and the width was not reached within it";
}

std::string aboveTemLimitText(double frequency, double limit)
{
    return std::string(kLossPrefix) + "the frequency " + number(frequency / 1e9) +
           " GHz is above this cross-section's single-mode limit, " + number(limit / 1e9) +
           " GHz (the coaxial TE11 cut-off c / (pi (R + r) sqrt(Er))): the line is no TEM line there";
}

std::string targetOutOfReachText(double target, double low, double high)
{
    return "The target " + number(target) + " ohm is out of reach: with the other dimensions as they are, the range "
           "gives " + number(low) + " to " + number(high) + " ohm";
}

std::string skinDepthTooLargeText(double depth, double radius)
{
    return std::string(kLossPrefix) + "the skin depth (" + number(depth * 1e6) +
           " um) is not small against the core radius (" + number(radius * 1e6) +
           " um), which the incremental-inductance rule needs: use a higher frequency";
}
