#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cases/ModelSettings.h"
#include "field/CrossSection.h"
#include "line/Rlgc.h"
#include "output/RlgcTable.h"

// Everything model mode writes for one line, made before anything is
// written: the files' texts, the RLGC table and the warnings.
struct ModelExport {
    std::string error;  // why nothing can be written; empty on success
    std::vector<std::pair<std::string, std::string>> files;  // path, text
    std::string table;                                       // for standard output; empty without --rlgc
    std::vector<std::string> warnings;                       // for standard error
};

// `length` of the line of `model` (of `section`) as `settings` ask, the
// table in `format`.
ModelExport modelExport(const CrossSection& section, const RlgcModel& model, const ModelSettings& settings,
                        double length, TableFormat format);
