#pragma once
// What the fuzz targets share: a broken promise of the logic is reported and
// stops the run, as the sanitizers do.

#include <cstdio>
#include <cstdlib>

namespace zpx {

inline void require(bool holds, const char* promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

}  // namespace zpx
