#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

// Replayable on every standard library: the engine's sequence is fixed by
// the standard, the library's distributions are not.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : engine_(seed)
    {
    }

    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    bool percent(int p) { return below(100) < p; }
    double real(double low, double high) { return low + (high - low) * static_cast<double>(engine_() >> 11) * 0x1p-53; }

    template <class T, std::size_t N>
    const T& pick(const T (&items)[N])
    {
        return items[below(static_cast<int>(N))];
    }

    // Items with a `weight` member, chosen in proportion to it.
    template <class T, std::size_t N>
    const T& pickWeighted(const T (&items)[N])
    {
        int total = 0;
        for (const T& item : items)
            total += item.weight;
        int roll = below(total);
        for (const T& item : items) {
            if (roll < item.weight)
                return item;
            roll -= item.weight;
        }
        return items[N - 1];
    }

private:
    std::mt19937_64 engine_;
};
