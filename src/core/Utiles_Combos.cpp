#include "core/Utiles.h"

#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/text/Text.h"

namespace Utiles {

void CargarCombo(QString sql, forms::ComboBox& combo)
{
    ado::Recordset rs;
    rs.Open(sql, de1::conn(), ado::adOpenStatic, ado::adLockOptimistic, -1);
    if (rs.RecordCount() > 0) {
        rs.MoveFirst();
        while (!rs.Eof()) {
            const ado::Variant& id = rs.Fields(0).Value();
            const ado::Variant& description = rs.Fields(1).Value();
            // Both converted before the item is added, so a bad row adds nothing.
            if (description.isNull()) throw platform::RuntimeError(platform::ErrTypeMismatch);
            const std::int32_t data = text::CLng(id);
            const int at = combo.AddItem(text::CStr(description));
            combo.setItemData(at, data);
            rs.MoveNext();
        }
    }
}

QString ComaAPunto(const QString& s)
{
    QString out = s;
    out.replace(QChar(','), QChar('.'));
    return out;
}

void SeleccionarTextoCombo(forms::ComboBox& combo, const QString& texto)
{
    int i = 0;
    while (i < combo.ListCount() && combo.List(i) != texto) ++i;
    combo.setListIndex(i == combo.ListCount() ? -1 : i);
}

void SeleccionarIdCombo(forms::ComboBox& combo, const std::int32_t& id)
{
    int found = -1;
    for (int i = 0; i < combo.ListCount() && found < 0; ++i)
        if (combo.ItemData(i) == id) found = i;
    combo.setListIndex(found);
}

}  // namespace Utiles
