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
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace vptest {

void exec(const QString& sql) { de1::conn().Execute(sql); }

QStringList rows(const QString& sql)
{
    QStringList all;
    ado::Recordset rs;
    rs.Open(sql, de1::conn());
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs.FieldCount(); ++i) fields << (rs(i).isNull() ? QStringLiteral("null") : text::CStr(rs(i)));
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

void RegisterTest::SetUp()
{
    text::SetToday(QDate(2006, 5, 15));
    main = &MDIPrincipal::Instance();
    main->Show();
    testsupport::Settle();
}

void RegisterTest::TearDown()
{
    forms::Form::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete MDIPrincipal::Existing();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    text::SetToday(QDate());
}

void RegisterTest::triggerMenu(QAction* item)
{
    item->trigger();
    QApplication::setActiveWindow(main);
    testsupport::Settle();
}

void RegisterTest::click(forms::Toolbar* tb, const char* key)
{
    QToolButton* b = tb->Buttons(QString::fromLatin1(key)).widget();
    ASSERT_TRUE(b->isEnabled()) << tb->objectName().toStdString() << " " << key << " is disabled";
    QTest::mouseClick(b, Qt::LeftButton);
    testsupport::Settle();
}

void RegisterTest::type(QWidget* w, const QString& text)
{
    w->setFocus(Qt::TabFocusReason);
    testsupport::Settle(1);
    QWidget* target = QApplication::focusWidget();
    ASSERT_TRUE(target && (target == w || w->isAncestorOf(target))) << "no focus on " << w->objectName().toStdString();
    if (auto* e = qobject_cast<QLineEdit*>(target)) e->selectAll();
    // Delete types no character: it empties a box whatever its key filter.
    QTest::keyClick(target, Qt::Key_Delete);
    testsupport::Type(target, text);
}

void RegisterTest::choose(forms::ComboBox* cbo, const QString& text)
{
    const int i = cbo->findText(text, Qt::MatchExactly);
    ASSERT_GE(i, 0) << text.toStdString() << " not in " << cbo->objectName().toStdString();
    cbo->setFocus(Qt::TabFocusReason);
    // What the list's popup does when the user picks a row.
    cbo->setCurrentIndex(i);
    emit cbo->activated(i);
    testsupport::Settle(1);
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
    w->setFocus(Qt::TabFocusReason);
    testsupport::Settle(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    testsupport::Settle();
}

QWidget* RegisterTest::focused()
{
    // A field's inner box stands for the field (numeric field, date picker).
    QWidget* f = QApplication::focusWidget();
    for (QWidget* p = f; p; p = p->parentWidget())
        if (qobject_cast<ctlNumero*>(p) || qobject_cast<forms::DatePicker*>(p)) return p;
    return f;
}

bool RegisterTest::menusEnabled() const
{
    return main->op_archivo->menuAction()->isEnabled() && main->op_Tablas->menuAction()->isEnabled()
        && main->op_DJ->menuAction()->isEnabled();
}

}  // namespace vptest
