#pragma once

#include <array>

#include "field/Matrix2.h"
#include "line/Rlgc.h"

// The pair as two uncoupled single lines, for a simulator whose lines carry
// one conductor each: V = T Vm and Im = T' I at both ends (so that the power
// is the same), and mode k a line of its own with
//   r_k = (T^-1 R T'^-1)_kk, l_k = (T^-1 L T'^-1)_kk,
//   g_k = (T' G T)_kk,       c_k = (T' C T)_kk.
// T holds the eigenvectors of L C, which make both modal L and modal C
// diagonal (each is symmetric and their product diagonal); where L C is a
// multiple of I (one dielectric) those of L. For a symmetric pair T is even
// and odd, which makes R and G diagonal too, and the modal lines are exact.
// For an unequal pair the modes also share some R and G; that coupling is
// left out, and `droppedCoupling` says how large it was.
struct ModalLine {
    Mat2 voltage;  // T, columns scaled to a largest entry of 1
    std::array<double, 2> r{}, l{}, g{}, c{};  // per metre, each mode's
    // The largest |x_12| / sqrt(x_11 x_22) of modal R and modal G: 0 for a
    // symmetric pair.
    double droppedCoupling = 0;
};

ModalLine modalLine(const Rlgc& perLength);
