// The 5 x 5 puzzle that the rules teach with: a complete solution with three lines.
#pragma once

#include <cstdint>

namespace velinor {

constexpr int RulesExampleSize = 5;

// Row by row, [y][x], in the cell encoding of the board.
constexpr int8_t RulesExample[RulesExampleSize][RulesExampleSize] = {
    {-23, 1, 2, -23, -34},   {-13, -23, -14, -13, -13}, {-13, -13, 3, -14, -13},
    {-13, -12, -24, 2, -13}, {-12, 1, 3, -24, -14},
};

}  // namespace velinor
