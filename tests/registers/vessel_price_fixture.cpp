#include "vessel_price_fixture.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "registers/frmEditarEmbarcacion.h"
#include "registers/frmEditarPrecio.h"
#include "registers/frmEmbarcaciones.h"
#include "registers/frmPrecios.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace vptest {

QStringList rows(const QString& sql)
{
    QStringList all;
    ado::Recordset rs;
    rs.Open(sql, de1::conn());
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs.FieldCount(); ++i)
            fields << (rs(i).isNull() ? QStringLiteral("null") : text::CStr(rs(i)));
        all << fields.join(QLatin1Char('|'));
    }
    return all;
}

QStringList shownRows(forms::DataGrid* grid)
{
    QStringList all;
    QAbstractItemModel* m = grid->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < m->columnCount(); ++c)
            if (!grid->isColumnHidden(c)) fields << m->data(m->index(r, c)).toString();
        all << fields.join(QLatin1Char('|'));
    }
    return all;
}

frmEditarEmbarcacion& RegisterTest::newVessel()
{
    click(openList<frmEmbarcaciones>(main->op_Embarcaciones).tlbMonedas, "nuevo");
    return editor<frmEditarEmbarcacion>();
}

frmEditarPrecio& RegisterTest::newPrice()
{
    click(openList<frmPrecios>(main->op_Precios).tlbMonedas, "nuevo");
    return editor<frmEditarPrecio>();
}

void RegisterTest::setDate(forms::DatePicker* d, const QString& ddMMyyyy)
{
    const bool withDate = !ddMMyyyy.isEmpty();
    if (d->CheckBox() && d->HasValue() != withDate) QTest::mouseClick(d->checkBoxWidget(), Qt::LeftButton);
    // What a pick in the calendar does.
    if (withDate) d->dateEdit()->setDate(QDate::fromString(ddMMyyyy, QStringLiteral("dd/MM/yyyy")));
    testsupport::Settle(1);
    ASSERT_EQ(d->HasValue(), withDate) << d->objectName().toStdString();
    if (withDate) {
        ASSERT_EQ(d->Date().toString(QStringLiteral("dd/MM/yyyy")), ddMMyyyy) << d->objectName().toStdString();
    }
}

void RegisterTest::pressEnter(QWidget* w)
{
    focusOn(w);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    testsupport::Settle();
}

}  // namespace vptest
