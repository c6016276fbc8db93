#pragma once
// The vessel and dock-price registers opened as the clerk opens them: the
// main window shown and its "Tablas" item chosen, on a fresh database with
// the reference rows only. Today is fixed at 15/05/2006.

#include "platform/ado/Variant.h"
#include "platform/forms/Form.h"
#include "support/Fixtures.h"
#include "support/Support.h"
#include "support/WindowTest.h"

#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>

class MDIPrincipal;
class QAction;
class QWidget;
namespace forms {
class DataGrid;
class DatePicker;
}  // namespace forms

namespace vptest {

using testsupport::count;
using testsupport::scalar;

void exec(const QString& sql);
// Every row of the query, its fields joined by "|" (Null as "null").
QStringList rows(const QString& sql);
// The texts the grid shows, row by row, fields joined by "|", hidden columns left out.
QStringList shownRows(forms::DataGrid* grid);

class RegisterTest : public testsupport::WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Chooses the menu item and returns the list window it opened.
    template <class List> List& openList(QAction* item)
    {
        triggerMenu(item);
        List* f = forms::Form::Existing<List>();
        if (!f) throw std::runtime_error("the list did not open");
        return *f;
    }
    template <class Editor> Editor& editor()
    {
        Editor* f = forms::Form::Existing<Editor>();
        if (!f) throw std::runtime_error("the editor is not open");
        return *f;
    }
    void triggerMenu(QAction* item);
    bool menusEnabled() const;

public:
    void setDate(forms::DatePicker* d, const QString& ddMMyyyy);  // through its box and calendar; "" unchecks it
    void pressEnter(QWidget* w);

protected:
    MDIPrincipal* main = nullptr;
};

}  // namespace vptest
