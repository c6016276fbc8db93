#include "declarations/PaginaRenglones.h"

#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using forms::Etiqueta;
using forms::Nombrado;

PaginaRenglones CrearPaginaRenglones(QWidget* page, const QString& rotuloRenglon, const QString& rotuloEspecie)
{
    PaginaRenglones p{};
    auto* pageLayout = new QVBoxLayout(page);
    p.barra = forms::BarraDeSeccion(page, "tlb_detalle");
    pageLayout->addWidget(p.barra);

    p.marco = Nombrado(new QGroupBox(page), "frm_detalle");
    p.campos = new QFormLayout(p.marco);
    p.campos->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    p.renglon = Nombrado(new QLineEdit(p.marco), "txt_renglon");
    forms::NumeroDelPrograma(p.renglon);
    p.especies = Nombrado(new forms::ComboBox(p.marco), "cbo_Especies");
    forms::Angosto(p.especies, 20);
    p.precio = Nombrado(new QLabel(p.marco), "lbl_Precio");
    auto* especie = new QHBoxLayout;
    especie->addWidget(p.especies);
    especie->addWidget(p.precio, 1);
    p.campos->addRow(Etiqueta(rotuloRenglon, p.renglon, p.marco), p.renglon);
    p.campos->addRow(Etiqueta(rotuloEspecie, p.especies, p.marco), especie);
    pageLayout->addWidget(p.marco);
    return p;
}

void CompletarPaginaRenglones(PaginaRenglones& p, QWidget* page, forms::DataControl* datos, QWidget* total,
                              const QString& rotuloTotal)
{
    auto* pageLayout = static_cast<QVBoxLayout*>(page->layout());
    p.grilla = Nombrado(new forms::DataGrid(page), "grilla_detalle");
    p.grilla->setAccessibleName(QStringLiteral("Renglones"));
    p.grilla->setDataSource(datos);
    pageLayout->addWidget(p.grilla, 1);

    p.marcoTotal = Nombrado(new QGroupBox(page), "frm_totalGralVtas");
    total->setParent(p.marcoTotal);
    auto* suma = new QHBoxLayout(p.marcoTotal);
    suma->addStretch(1);
    suma->addWidget(Etiqueta(rotuloTotal, total, p.marcoTotal));
    suma->addWidget(total);
    pageLayout->addWidget(p.marcoTotal);
}
