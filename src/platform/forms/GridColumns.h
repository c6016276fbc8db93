#pragma once
// A grid's column layout as one table, applied after each (re)binding: every
// list and editor grid describes its columns by position in a constexpr
// table of ColumnaGrilla and calls AplicarColumnas from its Formatear...
// procedure. Columns beyond the table keep the grid's defaults.

#include <span>

namespace forms {

class DataGrid;

struct ColumnaGrilla {
    const char* caption;           // UTF-8; nullptr keeps the column's own name
    int twips;                     // documented width; 0 hides the column
    int alignment = 0;             // AlignmentConstants: dbgLeft, dbgRight, dbgCenter
    const char* format = nullptr;  // a Format() pattern for the cells, or none
    bool visible = true;
};

void AplicarColumnas(DataGrid& grid, std::span<const ColumnaGrilla> columnas);

}  // namespace forms
