// duvane-calc's --batch line parsing: the first byte picks the mode (its
// lowest bit), the rest is one input line. The line splits into texts inside
// it with neither commas nor blanks; the case is then either read in full,
// two or three finite numbers, or a problem is named.

#include <cmath>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "cases/Batch.h"
#include "cases/CaseForm.h"
#include "commandline/Args.h"
#include "Require.h"

namespace {

bool liesWithin(std::string_view part, std::string_view whole)
{
    const std::less_equal<const char*> notAfter;
    return notAfter(whole.data(), part.data()) && notAfter(part.data() + part.size(), whole.data() + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Mode mode = data[0] & 1 ? Mode::Shape : Mode::Impedance;
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::vector<std::string_view> texts = splitCaseLine(line);
    const bool hasCommas = line.find(',') != std::string_view::npos;
    for (std::string_view text : texts) {
        require(text.empty() || liesWithin(text, line), "each text lies inside the line");
        require(text.find_first_of(", \t\r\v\f") == std::string_view::npos, "no text holds a comma or a blank");
        require(!text.empty() || hasCommas, "only commas leave empty texts");
    }

    const std::vector<Input> operands = operandInputs(mode, CaseInput{});
    CaseInput input;
    if (!readCase(operands, texts, input).empty())
        return 0;
    require(texts.size() == 2 || texts.size() == 3, "a case has two or three numbers");
    for (std::size_t i = 0; i < texts.size(); ++i) {
        require(input.has(operands[i]), "every number read is given");
        require(std::isfinite(input[operands[i]]), "every number of the case is finite");
    }
    require(texts.size() == 3 || !input.has(Input::Er), "a missing Er is left to the case's default");
    return 0;
}
