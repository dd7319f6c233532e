#include "cases/Batch.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "cases/AwgWire.h"
#include "cases/CableCase.h"
#include "cases/CaseForm.h"
#include "cases/CaseRunner.h"
#include "cases/Loss.h"
#include "NumberText.h"
#include "output/CaseOutput.h"
#include "output/Quoted.h"
#include "output/Unit.h"

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

// One line of at most kMaxLineBytes, without its newline; the rest of a
// longer one is read past, never held.
enum class LineRead { Line, TooLong, End };

LineRead readLine(std::istream& in, std::string& line)
{
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool any = false, tooLong = false;
    try {
        for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
            any = true;
            if (c == '\n')
                return tooLong ? LineRead::TooLong : LineRead::Line;
            if (line.size() < kMaxLineBytes)
                line.push_back(static_cast<char>(c));
            else
                tooLong = true;
        }
    } catch (...) {
        // The device failed: as std::getline, a bad stream and no line.
        in.setstate(std::ios::badbit);
        return LineRead::End;
    }
    in.setstate(std::ios::eofbit);
    if (!any)
        return LineRead::End;
    return tooLong ? LineRead::TooLong : LineRead::Line;
}

// A spreadsheet's export in a locale whose decimal mark is the comma
// ("0,5;5,83;2,25"): semicolons separate, commas are decimal points.
void fromSpreadsheet(std::string& line)
{
    if (line.find(';') == std::string::npos)
        return;
    for (char& c : line)
        c = c == ',' ? '.' : c == ';' ? ',' : c;
}

// The input a header's column names: its key, or its key with the unit
// duvane-calc's CSV gives it (D_mm, freq_Hz, sigma_S_per_m).
std::optional<Input> columnInput(std::string_view name, Mode mode)
{
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const InputInfo& info = inputInfo(static_cast<Input>(i));
        if (std::ranges::find(info.modes, mode) == info.modes.end())
            continue;
        std::string withUnit(info.key);
        if (std::string symbol = unitSymbol(info.unit); !symbol.empty()) {
            withUnit += '_';
            for (const char c : symbol)
                withUnit += c == '/' ? std::string_view("_per_") : std::string_view(&c, 1);
        }
        if (name == info.key || name == withUnit)
            return info.input;
    }
    return std::nullopt;
}

// Unquoted: a spreadsheet quotes its header's words.
std::string_view unquoted(std::string_view text)
{
    return text.size() >= 2 && text.front() == '"' && text.back() == '"' ? text.substr(1, text.size() - 2) : text;
}

std::string readHeader(const std::vector<std::string_view>& texts, const CaseRunner& runner, const CaseInput& fixed,
                       std::vector<Input>& columns)
{
    CaseInput standIns = fixed;
    for (const std::string_view text : texts) {
        const std::string_view name = unquoted(text);
        const std::optional<Input> input = columnInput(name, runner.mode());
        if (!input) {
            std::string known;
            for (std::size_t i = 0; i < kInputCount; ++i) {
                const InputInfo& info = inputInfo(static_cast<Input>(i));
                if (std::ranges::find(info.modes, runner.mode()) != info.modes.end())
                    known += (known.empty() ? "" : ", ") + std::string(info.key);
            }
            return "names no input " + inQuotes(name) + " - " + std::string(modeName(runner.mode())) +
                   " takes " + known;
        }
        if (fixed.has(*input))
            return "names " + std::string(inputInfo(*input).key) + ", which an option gives as well: give it once";
        if (std::ranges::find(columns, *input) != columns.end())
            return "names " + std::string(inputInfo(*input).key) + " twice";
        columns.push_back(*input);
        standIns.set(*input, 1);
    }
    for (const Input missing : operandInputs(runner.mode(), standIns))
        if (missing != Input::Er)
            return "leaves out " + std::string(inputInfo(missing).key) + ": name a column for it";
    if (!isCableCase(standIns, runner.settings()) && !standIns.has(Input::Er))
        standIns.set(Input::Er, 1);
    if (std::string problem = formProblem(runner.mode(), standIns, runner.settings()); !problem.empty())
        return "gives no case of " + std::string(modeName(runner.mode())) + ": " + problem;
    return {};
}

std::string readColumns(const std::vector<Input>& columns, const std::vector<std::string_view>& texts,
                        const CaseRunner& runner, CaseInput& input)
{
    // A last column of Er may be left out, as the ER operand may.
    const bool erLeftOut = texts.size() + 1 == columns.size() && columns.back() == Input::Er;
    if (texts.size() != columns.size() && !erLeftOut)
        return std::to_string(texts.size()) + " values where the header names " + std::to_string(columns.size()) +
               " columns";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const InputInfo& info = inputInfo(columns[i]);
        double value = 0;
        if (std::string problem = readInput(columns[i], texts[i], value); !problem.empty())
            return std::string(info.operand.empty() ? info.key : info.operand) + " " + inQuotes(texts[i]) + ": " +
                   problem;
        input.set(columns[i], value);
    }
    if (!isCableCase(input, runner.settings()) && !input.has(Input::Er))
        input.set(Input::Er, 1);
    if (input.has(Input::Frequency))
        setLossDefaults(input);
    return {};
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
    std::optional<std::vector<Input>> columns;  // a header's, once read
    bool firstCase = true;
    std::string line;
    for (long long lineNumber = 1;; ++lineNumber) {
        const LineRead read = readLine(in, line);
        if (read == LineRead::End)
            break;
        if (read == LineRead::TooLong) {
            if (!output.writeUnreadable(lineNumber, {}, "longer than " + std::to_string(kMaxLineBytes) + " bytes"))
                break;
            continue;
        }
        if (lineNumber == 1 && line.starts_with(kByteOrderMark))
            line.erase(0, kByteOrderMark.size());
        if (isSkipped(line))
            continue;
        fromSpreadsheet(line);
        const std::vector<std::string_view> texts = splitCaseLine(line);
        if (std::exchange(firstCase, false) && isHeader(texts)) {
            columns.emplace();
            if (std::string problem = readHeader(texts, runner, fixed, *columns); !problem.empty()) {
                err << "duvane-calc: the header " << problem << '\n';
                return 2;
            }
            CaseInput prototype = fixed;
            // Any line may give a stranded wire: the layout has its columns.
            for (const Input column : *columns)
                prototype.set(column, column == Input::Awg ? awgCode({.size = 24, .strands = 7}) : 1);
            if (!isCableCase(prototype, runner.settings()) && !prototype.has(Input::Er))
                prototype.set(Input::Er, 1);
            output.relayout(runner.layout(prototype));
            continue;
        }
        CaseInput input = fixed;
        const std::string problem =
            columns ? readColumns(*columns, texts, runner, input) : readCase(operands, texts, input);
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
