#include "declarations/PrecioEnVigor.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QApplication>
#include <QLabel>
#include <QSet>

using text::CDbl;
using text::CStr;

namespace PrecioEnVigor {

namespace {

// Marks the species a stored line brought into the combo.
constexpr int kSoloDelRenglon = Qt::UserRole + 1;

}  // namespace

std::shared_ptr<colEspecies> EspeciesEnVigor(ado::Connection& conn, QDate fecha)
{
    const QString sql =
        QStringLiteral(" SELECT A.PTES_ID, LNV_PES_TB_ESPECIES.PTES_DESCRIPCION, A.PPRE_VALOR, A.PPRE_DISPOSICION")
        + QStringLiteral(
            " FROM LNV_PES_TB_ESPECIES INNER JOIN [select  LNV_PES_TB_PRECIOS_LEY7351.PTES_ID,  P.UltFecha,  ")
        + QStringLiteral(" LNV_PES_TB_PRECIOS_LEY7351.PPRE_VALOR, LNV_PES_TB_PRECIOS_LEY7351.PPRE_DISPOSICION")
        + QStringLiteral(" from LNV_PES_TB_PRECIOS_LEY7351 inner join")
        + QStringLiteral(" (select PTES_ID,  max(PPRE_FVIGENCIA) as UltFecha")
        + QStringLiteral(" From LNV_PES_TB_PRECIOS_LEY7351")
        + QStringLiteral(" Where LNV_PES_TB_PRECIOS_LEY7351.PPRE_FVIGENCIA <= #")
        + text::Format(fecha, QStringLiteral("mm/dd/yyyy")) + QStringLiteral("#") + QStringLiteral(" and  PTES_ID<>99")
        + QStringLiteral(" GROUP BY PTES_ID") + QStringLiteral(" ORDER BY PTES_ID") + QStringLiteral(" ) as P")
        + QStringLiteral(
            " on  LNV_PES_TB_PRECIOS_LEY7351.PTES_ID=P.PTES_ID AND  LNV_PES_TB_PRECIOS_LEY7351.PPRE_FVIGENCIA=p.UltFecha")
        + QStringLiteral(" ]. AS A ON LNV_PES_TB_ESPECIES.PTES_ID = A.PTES_ID") + QStringLiteral(" Union")
        + QStringLiteral(" SELECT LNV_PES_TB_ESPECIES.PTES_ID, LNV_PES_TB_ESPECIES.PTES_DESCRIPCION, null, NULL")
        + QStringLiteral(
            " FROM LNV_PES_TB_ESPECIES LEFT JOIN LNV_PES_TB_PRECIOS_LEY7351 ON LNV_PES_TB_ESPECIES.PTES_ID = LNV_PES_TB_PRECIOS_LEY7351.PTES_ID")
        + QStringLiteral(" Where (((LNV_PES_TB_PRECIOS_LEY7351.PTES_ID) Is Null))");

    auto especies = std::make_shared<colEspecies>();
    ado::Recordset rs;
    rs.Open(sql, conn, ado::adOpenKeyset, ado::adLockOptimistic, 1);
    QSet<std::int32_t> vistas;
    for (; !rs.Eof(); rs.MoveNext()) {
        const std::int32_t id = text::CLng(rs(QStringLiteral("PTES_ID")));
        // Two prices of one species on the same latest date: the first one stands.
        if (vistas.contains(id)) continue;
        vistas.insert(id);
        const ado::Variant& valor = rs(QStringLiteral("PPRE_VALOR"));
        especies->Add(CStr(rs(QStringLiteral("PTES_DESCRIPCION"))), valor.isNull() ? 0.0 : CDbl(valor), id,
                      CStr(rs(QStringLiteral("PPRE_DISPOSICION"))), QStringLiteral("e") + CStr(id));
    }
    rs.Close();
    return especies;
}

void CargarEspecies(QDate fecha, std::shared_ptr<colEspecies>& especies, forms::ComboBox& cbo)
{
    if (especies) especies->Clear();
    especies = std::make_shared<colEspecies>();
    especies = EspeciesEnVigor(de1::conn(), fecha);
    cbo.Clear();
    for (const auto& e : *especies) {
        cbo.AddItem(e->Especie);
        cbo.setItemData(cbo.NewIndex(), e->IdEspecie);
    }
}

void OfrecerEspeciesDeRenglones(ado::Recordset* rs, forms::ComboBox& cbo)
{
    if (!rs || rs->State() != ado::adStateOpen) return;
    const auto columna = [&](const char* nombre) {
        const QStringList nombres = rs->FieldNames();
        for (int i = 0; i < nombres.size(); ++i)
            if (nombres[i].compare(QLatin1String(nombre), Qt::CaseInsensitive) == 0) return i;
        return -1;
    };
    const int colId = columna("PTES_ID"), colDesc = columna("PTES_DESCRIPCION");
    if (colId < 0 || colDesc < 0) return;
    // Read in place: moving the recordset would move the grid that shows it.
    for (long r = 0; r < rs->RecordCount(); ++r) {
        const std::int32_t id = text::CLng(rs->at(r, colId));
        bool esta = false;
        for (int i = 0; i < cbo.ListCount() && !esta; ++i) esta = cbo.ItemData(i) == id;
        if (esta) continue;
        cbo.AddItem(CStr(rs->at(r, colDesc)));
        cbo.setItemData(cbo.NewIndex(), id);
        cbo.setItemData(cbo.NewIndex(), true, kSoloDelRenglon);
    }
}

bool EsEleccionDeEspecie(const QWidget& ventana, const QWidget& cbo, const QWidget& grilla)
{
    const QWidget* activo = ventana.focusWidget();
    return activo == &cbo || activo == &grilla;
}

void MostrarPrecio(const colEspecies& especies, forms::ComboBox& cbo, ctlNumero& precio, QLabel& referencia)
{
    if (cbo.ListIndex() < 0) return;
    std::shared_ptr<clsPrecios> p;
    // A species without a price entry shows nothing.
    if (!forms::Ignorar([&] { p = especies.Item(QStringLiteral("e") + CStr(cbo.ItemData(cbo.ListIndex()))); })) return;
    if (p->valor >= 0) precio.setValue(p->valor);
    if (p->IdEspecie == 0 || p->IdEspecie == 99) {
        referencia.clear();
        return;
    }
    QPalette pal = referencia.palette();
    if (p->valor != 0) {
        referencia.setText(p->Disposicion);
        pal.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ButtonText));
    } else {
        referencia.setText(QStringLiteral("No está cargado el Valor Banquina"));
        pal.setColor(QPalette::WindowText, QColor(Qt::red));
    }
    referencia.setPalette(pal);
}

void QuitarEspeciesCargadas(ado::Recordset* rs, forms::ComboBox& cbo)
{
    for (int i = cbo.ListCount() - 1; i >= 0; --i)
        if (cbo.itemData(i, kSoloDelRenglon).toBool()) cbo.RemoveItem(i);
    if (!rs || rs->State() != ado::adStateOpen || rs->RecordCount() == 0) return;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        const std::int32_t id = text::CLng(rs->Fields(QStringLiteral("PTES_ID")).Value());
        for (int i = 0; i < cbo.ListCount(); ++i) {
            if (cbo.ItemData(i) == id) {
                cbo.RemoveItem(i);
                break;
            }
        }
    }
}

bool MontoAceptado(ctlNumero& monto, double precio, double kg, const QString& titulo)
{
    // Binary noise of the product (0.57 read as 0.5699999...) is no lower digit.
    auto cuatroDecimales = [](double v) { return text::Int(text::Round(v * 10000, 6)) / 10000; };
    if (cuatroDecimales(monto.Value()) == cuatroDecimales(precio * kg)) return true;
    if (forms::MsgBox(
            QStringLiteral("El Monto Total no coincide con el producto  Kg.Capturados * Precio\r\n¿Desea corregirlo?"),
            forms::vbYesNo + forms::vbInformation, titulo)
        != forms::vbYes)
        return true;
    monto.setFocus();
    return false;
}

}  // namespace PrecioEnVigor
