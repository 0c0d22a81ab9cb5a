// tests/fuzz/check.h — what a fuzz target demands of a parser beyond not crashing: a broken
// promise aborts, so libFuzzer keeps the input as a finding
#pragma once
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                              \
    do {                                                                              \
        if (!(cond)) {                                                                \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #cond);   \
            std::abort();                                                             \
        }                                                                             \
    } while (0)
