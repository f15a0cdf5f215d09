// Boards written as text in tests: one string per row, cells separated by blanks.
// "." is empty, a number is stored as it stands (endpoint labels, or raw out-of-range values),
// and the box-drawing characters are the six pieces.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "core/board.h"

namespace velinor::test {

inline int8_t CellFromText(const std::string& token) {
    constexpr std::pair<std::string_view, int8_t> Pieces[] = {
        {".", 0}, {"└", -12}, {"│", -13}, {"┘", -14}, {"┌", -23}, {"─", -24}, {"┐", -34}};
    for (const auto& [text, value] : Pieces)
        if (token == text) return value;
    char* end = nullptr;
    long value = std::strtol(token.c_str(), &end, 10);
    if (end == token.c_str() || *end != '\0') throw std::invalid_argument("bad cell: " + token);
    return static_cast<int8_t>(value);
}

inline Layer LayerFromRows(std::initializer_list<std::string_view> rows) {
    Layer layer{};
    int y = 0;
    for (std::string_view row : rows) {
        std::istringstream cells{std::string(row)};
        std::string token;
        for (int x = 0; cells >> token; ++x)
            layer[CellIndex(x, y)] = CellFromText(token);
        ++y;
    }
    return layer;
}

// A board whose solution and player layers both hold the rows; the grid is as tall as the rows.
inline Board BoardFromRows(std::initializer_list<std::string_view> rows) {
    Board board;
    board.gridSize = static_cast<int16_t>(rows.size());
    board.solution = LayerFromRows(rows);
    board.player = board.solution;
    ComputeBoardOrigin(board);
    return board;
}

inline int8_t At(const Layer& layer, int x, int y) {
    return layer[CellIndex(x, y)];
}

}  // namespace velinor::test
