#pragma once
// A grid's column layout as one table, applied after each (re)binding: every
// list and editor grid describes its columns by position in a constexpr
// table of ColumnaGrilla and calls AplicarColumnas from its Formatear...
// procedure. Columns beyond the table keep the grid's defaults.

#include <array>
#include <cstddef>
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

// One entry of a column table, with the position it describes.
struct ColumnaEn {
    int posicion;
    ColumnaGrilla columna;
};

// A column table whose entries name their positions (a view's column
// names): they must come in order and cover all N positions, so a table
// out of step with its view does not compile.
template <std::size_t N> consteval std::array<ColumnaGrilla, N> PorPosicion(const ColumnaEn (&entradas)[N])
{
    std::array<ColumnaGrilla, N> tabla{};
    for (std::size_t i = 0; i < N; ++i) {
        if (entradas[i].posicion != int(i)) throw "every position, in order";
        tabla[i] = entradas[i].columna;
    }
    return tabla;
}

void AplicarColumnas(DataGrid& grid, std::span<const ColumnaGrilla> columnas);

}  // namespace forms
