#pragma once

#include "TextChecks.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

// A property every input must keep. A broken one aborts, which libFuzzer
// reports as a crash and saves the input that caused it.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace tidewick::fuzz {

// Shared with the unit tests.
using test::hasBrokenSurrogates;

} // namespace tidewick::fuzz
