#pragma once

#include <vector>

// LU of a dense row-major matrix, kept for several right-hand sides, with
// threshold pivoting: a row is swapped in only where the diagonal is small
// against its column. Unswapped columns leave the factors of every leading
// block inside the whole one, so that a system made of the leading rows and
// columns (a lower order of the same series) costs only the substitutions.
// Buffers are reused between calls.
class DenseLu {
public:
    // Takes the n x n matrix in `a` (left in a state of no use to the caller).
    // False on a zero or non-finite pivot.
    bool factor(int n, std::vector<double>& a);

    // Whether the leading m x m block's factors are in the whole one.
    bool hasLeading(int m) const;

    // b (length m) becomes the solution of the leading m x m system;
    // m = n for the whole one. Needs hasLeading(m).
    void solve(int m, double* b) const;

private:
    int n_ = 0;
    std::vector<double> lu_;
    std::vector<int> pivots_;
};
