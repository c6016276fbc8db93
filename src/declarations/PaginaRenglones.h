#pragma once
// The layout both priced line tabs share (a declaration's sales lines, a
// guide's lines): the section toolbar, the frame of the line's fields opening
// with the line number and the species beside its price reference, the grid
// of stored lines and, under it, the frame of their sum. The tab adds its
// number rows to `campos` between the two calls, so that Tab goes through
// the fields in the order they stand.

class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QString;
class QWidget;
namespace forms {
class ComboBox;
class DataControl;
class DataGrid;
class Toolbar;
}  // namespace forms

struct PaginaRenglones {
    forms::Toolbar* barra;
    QGroupBox* marco;
    QFormLayout* campos;
    QLineEdit* renglon;
    forms::ComboBox* especies;
    QLabel* precio;
    forms::DataGrid* grilla;
    QGroupBox* marcoTotal;
};

// The toolbar and the line's first fields.
PaginaRenglones CrearPaginaRenglones(QWidget* page, const QString& rotuloRenglon, const QString& rotuloEspecie);
// The grid over datos and the sum's frame holding total, a box the tab
// creates in its own kind.
void CompletarPaginaRenglones(PaginaRenglones& p, QWidget* page, forms::DataControl* datos, QWidget* total,
                              const QString& rotuloTotal);
