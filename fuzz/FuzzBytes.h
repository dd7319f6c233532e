#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Reads a fuzz input front to back. Doubles are taken as their bit patterns,
// so that every NaN, infinity, subnormal and signed zero is reachable.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), left_(size) {}

    std::size_t left() const { return left_; }

    double takeDouble(double ifExhausted)
    {
        double value = ifExhausted;
        if (left_ >= sizeof value) {
            std::memcpy(&value, data_, sizeof value);
            advance(sizeof value);
        }
        return value;
    }

    std::uint8_t takeByte(std::uint8_t ifExhausted)
    {
        if (left_ == 0)
            return ifExhausted;
        const std::uint8_t value = *data_;
        advance(1);
        return value;
    }

private:
    void advance(std::size_t count)
    {
        data_ += count;
        left_ -= count;
    }

    const std::uint8_t* data_;
    std::size_t left_;
};
