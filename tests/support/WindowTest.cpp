#include "support/WindowTest.h"

#include "platform/forms/ComboBox.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <stdexcept>

namespace testsupport {

void WindowTest::click(forms::Toolbar* tb, const QString& key)
{
    QToolButton* b = tb->Buttons(key).widget();
    if (!b->isEnabled())
        throw std::runtime_error(tb->objectName().toStdString() + " " + key.toStdString() + " is disabled");
    QTest::mouseClick(b, Qt::LeftButton);
    Settle();
}

void WindowTest::focusOn(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    Settle(1);
    QWidget* f = QApplication::focusWidget();
    if (f != w && !w->isAncestorOf(f)) throw std::runtime_error("no focus on " + w->objectName().toStdString());
}

QWidget* WindowTest::focused() const
{
    QWidget* f = QApplication::focusWidget();
    while (f && f->parentWidget() && f->parentWidget()->focusProxy() == f) f = f->parentWidget();
    return f;
}

void WindowTest::type(QWidget* w, const QString& text)
{
    focusOn(w);
    QWidget* target = QApplication::focusWidget();
    if (auto* e = qobject_cast<QLineEdit*>(target)) e->selectAll();
    // Delete types no character: it empties a box whatever its key filter.
    if (text.isEmpty()) QTest::keyClick(target, Qt::Key_Delete);
    Type(target, text);
}

void WindowTest::clickAndType(QWidget* w, const QString& keys)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    Settle(1);
    QWidget* f = QApplication::focusWidget();
    if (f != w && !w->isAncestorOf(f))
        throw std::runtime_error("a click gave no focus to " + w->objectName().toStdString());
    QTest::keyClicks(f, keys);
    Settle(1);
}

void WindowTest::typeAndLeave(QWidget* w, const QString& text)
{
    type(w, text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Settle(1);
}

void WindowTest::choose(forms::ComboBox* cbo, const QString& text)
{
    if (cbo->findText(text, Qt::MatchExactly) < 0)
        throw std::runtime_error(text.toStdString() + " not in " + cbo->objectName().toStdString());
    focusOn(cbo);
    pick(cbo, text);
}

void WindowTest::pick(forms::ComboBox* cbo, const QString& text)
{
    const int i = cbo->findText(text, Qt::MatchExactly);
    if (i < 0) throw std::runtime_error(text.toStdString() + " not in " + cbo->objectName().toStdString());
    // What the list's popup does when the user picks a row.
    cbo->setCurrentIndex(i);
    emit cbo->activated(i);
    Settle(1);
}

void WindowTest::leaveWindowsInactive()
{
    QWidget otra;
    otra.show();
    QApplication::setActiveWindow(&otra);
    otra.hide();
    Settle();
}

void WindowTest::clickCell(forms::DataGrid* grid, int row, int column)
{
    const QModelIndex i = grid->model()->index(row, column);
    if (!i.isValid()) throw std::runtime_error(grid->objectName().toStdString() + " has no such cell");
    grid->scrollTo(i);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(i).center());
    Settle();
}

void WindowTest::clickRowHolding(forms::DataGrid* grid, int column, const QString& text)
{
    const QAbstractItemModel* m = grid->model();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->data(m->index(r, column)).toString() == text) return clickCell(grid, r, column);
    throw std::runtime_error(text.toStdString() + " not in " + grid->objectName().toStdString());
}

}  // namespace testsupport
