#pragma once

#include <cstdint>

// The frame of a panel as five bytes: BorderStyle (0 none, 1 single line),
// BorderWidth (the band between the two bevels), BevelWidth (each bevel's
// width; 0 marks an invalid record), BevelInner and BevelOuter (0 none,
// 1 lowered, 2 raised, 3 space).
struct TPanelStyle
{
    std::uint8_t BorderStyle = 0;
    std::uint8_t BorderWidth = 0;
    std::uint8_t BevelWidth = 0;
    std::uint8_t BevelInner = 0;
    std::uint8_t BevelOuter = 0;

    friend bool operator==(const TPanelStyle &, const TPanelStyle &) = default;
};
static_assert(sizeof(TPanelStyle) == 5);
