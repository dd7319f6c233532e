#include "cases/Batch.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <utility>

#include "cases/CaseForm.h"
#include "cases/CaseRunner.h"
#include "NumberText.h"
#include "output/CaseOutput.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

// UTF-8's byte-order mark, with which some editors start a text file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Appends the blank-separated words of `piece`; returns whether there were any.
bool appendWords(std::string_view piece, std::vector<std::string_view>& words)
{
    bool any = false;
    for (std::size_t start = piece.find_first_not_of(kBlanks); start != std::string_view::npos;
         start = piece.find_first_not_of(kBlanks, start)) {
        std::size_t end = std::min(piece.find_first_of(kBlanks, start), piece.size());
        words.push_back(piece.substr(start, end - start));
        any = true;
        start = end;
    }
    return any;
}

bool isSkipped(std::string_view line)
{
    std::size_t first = line.find_first_not_of(kBlanks);
    return first == std::string_view::npos || line[first] == '#';
}

// A CSV file's header: words, not one of them a number ("sd,dd,er").
bool isHeader(const std::vector<std::string_view>& texts)
{
    const auto isWord = [](std::string_view text) {
        double number = 0;
        return !text.empty() && !parseNumber(text, number);
    };
    const char first = texts.empty() || texts[0].empty() ? '\0' : texts[0][0];
    const bool startsAsAWord = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z') || first == '"';
    return startsAsAWord && std::ranges::all_of(texts, isWord);
}

}  // namespace

std::vector<std::string_view> splitCaseLine(std::string_view line)
{
    const bool hasCommas = line.find(',') != std::string_view::npos;
    std::vector<std::string_view> texts;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = line.find(',', start);
        std::string_view piece = line.substr(start, comma - start);
        if (!appendWords(piece, texts) && hasCommas)
            texts.push_back({});
        if (comma == std::string_view::npos)
            return texts;
        start = comma + 1;
    }
}

int runBatch(CaseRunner& runner, const CaseInput& fixed, std::istream& in, CaseOutput& output,
             std::ostream& err)
{
    const std::vector<Input> operands = operandInputs(runner.mode(), fixed);
    bool firstCase = true;
    std::string line;
    for (long long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (lineNumber == 1 && line.starts_with(kByteOrderMark))
            line.erase(0, kByteOrderMark.size());
        if (isSkipped(line))
            continue;
        const std::vector<std::string_view> texts = splitCaseLine(line);
        if (std::exchange(firstCase, false) && isHeader(texts))
            continue;
        CaseInput input = fixed;
        const std::string problem = readCase(operands, texts, input);
        const bool written = problem.empty() ? output.write(runner.run(input), lineNumber)
                                             : output.writeUnreadable(lineNumber, line, problem);
        if (!written)
            break;  // every further case would be lost as well; the caller reports it
    }
    if (in.bad()) {
        err << "duvane-calc: cannot read standard input\n";
        return 1;
    }
    return 0;
}
