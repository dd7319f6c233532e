#pragma once

#include <vector>

// LU with partial pivoting of a dense row-major matrix, kept for several
// right-hand sides. Its buffers are reused between calls.
class DenseLu {
public:
    // Takes the n x n matrix in `a` (left in a state of no use to the caller).
    // False on a zero or non-finite pivot.
    bool factor(int n, std::vector<double>& a);

    // b (length n) becomes the solution.
    void solve(double* b) const;

private:
    int n_ = 0;
    std::vector<double> lu_;
    std::vector<int> pivots_;
};
