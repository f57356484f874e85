#pragma once
// Image equality with the differing fields named on failure.

#include "field_format.h"

#include <gtest/gtest.h>

inline ::testing::AssertionResult SameImage(const TParamImage& a, const TParamImage& b) {
    const auto differences = DiffFields(a, b);
    if (differences.empty()) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    for (const auto& d : differences) failure << "\n  " << DifferenceLine(d);
    return failure;
}
