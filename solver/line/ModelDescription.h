#pragma once

#include <string>
#include <vector>

#include "field/CrossSection.h"
#include "line/LineSweep.h"
#include "line/ModalLine.h"
#include "line/Rlgc.h"

// What an exported model is, in lines of plain text for a file's comments:
// the cross-section, the materials, the method with its bounds, and where
// the model holds. Lengths in mm, as a reader of the file measures a cable.
std::vector<std::string> lineDescription(const CrossSection& section, const RlgcModel& model);

// The network's own: its length, port numbering, references and conventions,
// and the estimated error of its S-parameters; of the four single-ended
// ports, or of the differential 2-port Sdd (near end, far end).
enum class NetworkView { SingleEnded, Differential };
std::vector<std::string> networkDescription(const NetworkRequest& request, const NetworkSweep& sweep,
                                            NetworkView view = NetworkView::SingleEnded);

// How far the two modal lines of a simulator's model are from the line: the
// coupling through R and G they leave out.
std::string modalDescription(const ModalLine& modes);
