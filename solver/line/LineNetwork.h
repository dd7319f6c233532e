#pragma once

#include <array>
#include <optional>

#include "line/ComplexMatrix.h"
#include "line/Rlgc.h"

// The exact network of a uniform length of a two-conductor line (two cores
// against the shield), from its per-length Z = R + j omega L and
// Y = G + j omega C at one frequency. The modes are the eigenvectors of ZY:
// V(z) = T (e^(-Gamma z) a + e^(Gamma z) b) with ZY T = T Gamma^2. Nothing
// assumes a symmetric pair: for one, T is even and odd exactly.
//
// A length is the same seen from either end, so it splits into two 2 x 2
// networks: both ends driven alike, whose admittance is
// Z^-1 T Gamma tanh(Gamma l/2) T^-1, and driven in opposition, whose
// impedance is T tanh(Gamma l/2) Gamma^-1 T^-1 Z. Both stay small on a short
// line, where the 4 x 4 admittance would grow as 1/l and take the digits of
// S with it; at 0 Hz they are G l/2 and R l/2, so that even a lossless line
// has its network there (a through connection).

struct Modes {
    std::array<Complex, 2> gamma;  // 1/m: attenuation + j phase, phase >= 0
    CMat2 voltage;                 // columns: each mode's voltages on cores 1 and 2
};

// nullopt where ZY has one eigenvector only (a defective ZY, which a passive
// line reaches only by coincidence).
std::optional<Modes> lineModes(const CMat2& z, const CMat2& y);

struct EndNetworks {
    CMat2 alike;    // admittance, ends driven alike
    CMat2 opposed;  // impedance, ends driven in opposition
};

// `length` in metres; nullopt for a defective ZY.
std::optional<EndNetworks> lineEnds(const Rlgc& perLength, double length);

// S over near 1, near 2, far 1, far 2, each core's ports referred to its
// `reference` (ohm) at both ends: S_nn = (S_alike + S_opposed)/2,
// S_fn = (S_alike - S_opposed)/2.
Mat4 endScattering(const EndNetworks& ends, const std::array<double, 2>& reference);

// How the four ports are numbered in what is written out.
enum class PortOrder {
    Through,     // 1 near core 1, 2 far core 1, 3 near core 2, 4 far core 2
    Sequential,  // 1 near core 1, 2 near core 2, 3 far core 1, 4 far core 2
};

// For near 1, near 2, far 1 and far 2, the index (from 0) of its port in `order`.
std::array<int, 4> portIndex(PortOrder order);

// A matrix over near 1, near 2, far 1, far 2 renumbered to `order`.
Mat4 toPortOrder(const Mat4& m, PortOrder order);
