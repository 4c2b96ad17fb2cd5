#pragma once
#include <cstdlib>

// A failed property ends the run, so libFuzzer reports the input that broke it.
inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}
