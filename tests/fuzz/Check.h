#pragma once

#include <cstdlib>

// A property every input must keep; libFuzzer keeps the one that breaks it.
inline void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}
