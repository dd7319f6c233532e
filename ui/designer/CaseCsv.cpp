#include "designer/CaseCsv.h"

#include <sstream>

#include "cases/CaseRunner.h"
#include "output/CaseOutput.h"

std::string caseCsv(const DesignCase& pair)
{
    CaseRunner runner(Mode::Impedance, pair.settings);
    std::ostringstream out;
    CaseOutput output(out, Format::Csv, runner.layout(pair.input), false);
    output.write(runner.run(pair.input));
    return out.str();
}
