#pragma once
// Checks a function of one number against a table of inputs and the results
// expected for them, naming the input of any row that fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace tintfall {

template <typename Function>
void expectResults(Function function, std::initializer_list<std::pair<std::int32_t, std::int32_t>> rows) {
    for (const auto& [input, result] : rows) EXPECT_EQ(function(input), result) << "for " << input;
}

}  // namespace tintfall
