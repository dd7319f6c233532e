// The converged solver over arbitrary bit patterns of S/D and D/d (the first
// 16 bytes). The five-charge calculator runs beside it: the converged solver
// refuses exactly the shapes that the calculator's shape checks refuse, with
// the same text.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "field/ConvergedSolver.h"
#include "fivecharge/Qol_math1.h"
#include "FuzzBytes.h"
#include "Require.h"
#include "SolverTexts.h"
#include "TextChecks.h"

namespace {

// The calculator's text when its shape checks refuse the shape, else empty.
std::string calculatorShapeText(double sd, double dd)
{
    TQol_COAXMath1 calc;
    calc.mShapeSD = sd;
    calc.mShapeDd = dd;
    calc.zCalcZe();
    return isShapeText(calc.mErrMsg) ? calc.mErrMsg : std::string();
}

bool textFitsStatus(ConvergedStatus status, std::string_view text, double sd, double dd)
{
    const std::string_view beforeOrder = text.substr(0, text.find(" at order "));
    switch (status) {
    case ConvergedStatus::ShapeRejected:
        return isShapeText(text);
    case ConvergedStatus::GapTooNarrow: {
        const ShapeGaps gaps = shapeGaps(sd, dd);
        return text == gapTooNarrowText(gaps.core, gaps.shield, kMinConductorGap);
    }
    case ConvergedStatus::NotConverged:
        return text.starts_with(kNotConvergedStart) ||
               beforeOrder == kSingularCollocationText || beforeOrder == kNoPositiveCapacitanceText;
    case ConvergedStatus::Solved:
    case ConvergedStatus::OrderOutOfRange:
        break;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    if (bytes.left() < 16)
        return 0;
    const double sd = bytes.takeDouble(0);
    const double dd = bytes.takeDouble(0);

    const ConvergedImpedance result = ConvergedSolver().solve(sd, dd);

    const std::string shapeText = calculatorShapeText(sd, dd);
    require((result.status == ConvergedStatus::ShapeRejected) == !shapeText.empty(),
            "the converged solver refuses exactly the shapes the calculator refuses");
    if (result.status != ConvergedStatus::Solved) {
        require(textFitsStatus(result.status, result.error, sd, dd), "a failure's text fits its status");
        require(result.status != ConvergedStatus::ShapeRejected || result.error == shapeText,
                "a refused shape gets the calculator's text");
        require(result.ze == 0 && result.zo == 0, "a failure gives no impedances");
        return 0;
    }
    require(result.error.empty(), "a solved shape has no error text");
    require(std::isfinite(result.ze) && std::isfinite(result.zo), "Ze and Zo are finite");
    require(result.zo > 0, "Zo is positive");
    require(result.ze > result.zo, "Ze is above Zo");
    require(result.errorBound <= kConvergedAccuracy, "the error bound meets the promised accuracy");
    require(result.order >= 1 && result.order <= ConvergedSolver::kMaxOrder, "the order lies in range");
    return 0;
}
