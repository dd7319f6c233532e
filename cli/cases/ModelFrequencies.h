#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Model mode's frequencies, as --freq gives them: a list of items separated
// by commas, each one frequency ("10GHz"), a linear range START:STOP:STEP or
// a log sweep START:STOP/N of N points a decade from START, STOP the last
// ("0,1MHz:20GHz/10": DC and a log sweep). Units as --freq reads them; DC (0)
// may stand as a value or a range's start, where a simulator wants the
// line's DC point. The result increases, each frequency once.

// A 100,000-point sweep is some seconds of work and tens of megabytes of
// Touchstone; beyond it a sweep is a mistake more often than a need.
inline constexpr std::size_t kMaxModelFrequencies = 100'000;

// Whether `text` is a list or a range rather than one frequency.
bool isFrequencySet(std::string_view text);

// Fills `hz` from `text`; returns the problem (without the option's name),
// or the empty text.
std::string modelFrequencies(std::string_view text, std::vector<double>& hz);
