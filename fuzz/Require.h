#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant aborts, so that libFuzzer keeps the input as a crash and
// the run fails; the message says which invariant it was.
inline void require(bool holds, const char* invariant)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken invariant: %s\n", invariant);
    std::abort();
}
