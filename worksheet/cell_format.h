#pragma once

#include <cstdint>

// Rows and columns count from 0; both ends are included.
struct CellRange {
    int first_row = 0;
    int first_column = 0;
    int last_row = 0;
    int last_column = 0;

    static CellRange cell(int row, int column) { return {row, column, row, column}; }

    bool operator==(const CellRange&) const = default;
};

// Colours are 0x00BBGGRR: 255 is red, 0xFF0000 blue, 0xFFFFFF white.
using BgrColour = std::uint32_t;

// The bits of a font style code, summed.
enum FontStyleBit : std::uint8_t {
    font_bold = 1,
    font_italic = 2,
    font_underline = 4,
    font_strike_out = 8,
};

enum class CellAlignment : std::uint8_t { left, centred, right };

// What a cell looks like besides its text. Kept small: a sheet of 1,000 pages holds 300,000 of
// them.
struct CellFormat {
    int font_size = 0; // pixels; 0 shows the grid's own font size
    BgrColour text_colour = 0x000000;
    BgrColour back_colour = 0xFFFFFF;
    std::uint8_t font_style = 0; // sum of FontStyleBit
    CellAlignment alignment = CellAlignment::left;
    bool read_only = false;

    bool operator==(const CellFormat&) const = default;
};
