#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

// Working doubles of one calculation, zeroed, and released on every path. The
// systems of this solver are small (5 charges need 45 doubles) and a shape
// solve builds them thousands of times, so they live on the stack; larger
// ones go to the heap.
class TWorkArray {
public:
    explicit TWorkArray(std::size_t size)
        : mHeap(size > kOnStack ? size : 0), mData(size > kOnStack ? mHeap.data() : mStack.data())
    {
        std::fill_n(mData, size, 0.0);
    }
    TWorkArray(const TWorkArray&) = delete;
    TWorkArray& operator=(const TWorkArray&) = delete;

    double* data() { return mData; }

private:
    static constexpr std::size_t kOnStack = 64;
    std::array<double, kOnStack> mStack;
    std::vector<double> mHeap;
    double* mData;
};
