#pragma once

#include <cstdint>

namespace vermil {

// The stamp type code of the native data carries the seal shape and a default ink.
inline constexpr std::uint32_t stampRed = 0x0000FF; // 0x00BBGGRR
inline constexpr std::uint32_t stampBlack = 0x000000;
inline constexpr std::uint32_t stampBlue = 0xFF0000;

struct StampType {
    int shape;
    std::uint32_t colour;
};

// 0/1: shape 1, 10/11: shape 0, 20/21: shape 2, red for the even and black for the
// odd code; any other code: shape 0 in blue.
StampType stampTypeOfCode(std::int32_t code);

// Shape 0 is written as 10, shape 1 as 0, shape 2 as 20: always the red codes.
std::int32_t stampTypeCodeOfShape(int shape);

} // namespace vermil
