#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "line/ComplexMatrix.h"
#include "line/LineNetwork.h"
#include "line/Rlgc.h"

// The S-parameters of a length of the line over frequency, single-ended and
// mixed-mode, with an estimate of how far they may be off.

struct NetworkRequest {
    double length = 1;  // m
    PortOrder order = PortOrder::Through;
    std::array<double, 2> reference{50, 50};  // ohm, core 1's ports and core 2's, at both ends
    double differentialReference = 100;       // ohm
    double commonReference = 25;              // ohm
};

struct NetworkPoint {
    double frequency = 0;  // Hz
    Mat4 singleEnded;      // ports numbered as the request's order
    Mat4 mixedMode;        // d near, d far, c near, c far
};

struct NetworkSweep {
    std::string error;  // empty when every point holds
    std::vector<NetworkPoint> points;
    // Estimated: the largest change of any element of either matrix at any
    // frequency when Z and Y move by their relative bounds (RlgcModel), each
    // way. The field's own error, not the model's: quasi-TEM (QuasiTem.h), the
    // conductors' transition and the dielectric model are stated apart.
    double errorEstimate = 0;
};

// Frequencies in Hz, increasing, from 0 up.
NetworkSweep networkSweep(const RlgcModel& model, std::span<const double> frequencies, const NetworkRequest& request);

// S at one frequency from the per-length matrices, as networkSweep makes it;
// the error names what failed.
struct NetworkAtFrequency {
    std::string error;
    NetworkPoint point;
};
NetworkAtFrequency networkAt(const Rlgc& perLength, const NetworkRequest& request);
