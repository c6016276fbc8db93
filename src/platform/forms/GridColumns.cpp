#include "platform/forms/GridColumns.h"

#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"

#include <algorithm>

namespace forms {

void AplicarColumnas(DataGrid& grid, std::span<const ColumnaGrilla> columnas)
{
    const int n = std::min(int(columnas.size()), grid.ColumnCount());
    for (int i = 0; i < n; ++i) {
        const ColumnaGrilla& c = columnas[size_t(i)];
        Column col = grid.Columns(i);
        if (c.caption) col.setCaption(QString::fromUtf8(c.caption));
        col.setWidth(c.twips);
        if (c.alignment != dbgLeft) col.setAlignment(c.alignment);
        if (c.format) col.setNumberFormat(QString::fromLatin1(c.format));
        if (!c.visible) col.setVisible(false);
    }
}

}  // namespace forms
