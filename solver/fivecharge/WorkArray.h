#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

// Working doubles of one calculation, zeroed, and released on every path. The
// systems of this solver are small (5 charges need 45 doubles) and a shape
// solve builds them thousands of times, so they live on the stack; larger
// ones go to the heap.
class WorkArray {
public:
    explicit WorkArray(std::size_t size)
        : heap_(size > kOnStack ? size : 0), data_(size > kOnStack ? heap_.data() : stack_.data())
    {
        std::fill_n(data_, size, 0.0);
    }
    WorkArray(const WorkArray&) = delete;
    WorkArray& operator=(const WorkArray&) = delete;

    double* data() { return data_; }

private:
    static constexpr std::size_t kOnStack = 64;
    std::array<double, kOnStack> stack_;
    std::vector<double> heap_;
    double* data_;
};
