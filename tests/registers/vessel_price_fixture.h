#pragma once
// The vessel and dock-price registers opened as the clerk opens them: the
// main window shown and its "Tablas" item chosen, on a fresh database with
// the reference rows only. Today is fixed at 15/05/2006.

#include "platform/ado/Variant.h"
#include "platform/forms/Form.h"
#include "support/Fixtures.h"
#include "support/MainWindowTest.h"
#include "support/Support.h"

#include <QDate>
#include <QString>
#include <gtest/gtest.h>

class QAction;
class QWidget;
class frmEditarEmbarcacion;
class frmEditarPrecio;
namespace forms {
class DataGrid;
class DatePicker;
}  // namespace forms

namespace vptest {

using testsupport::count;
using testsupport::exec;
using testsupport::insertPrice;
using testsupport::scalar;

// Every row of the query, its fields joined by "|" (Null as "null").
QStringList rows(const QString& sql);
// The texts the grid shows, row by row, fields joined by "|", hidden columns left out.
QStringList shownRows(forms::DataGrid* grid);

class RegisterTest : public testsupport::MainWindowTest {
protected:
    RegisterTest() : MainWindowTest(false, QDate(2006, 5, 15)) {}

    // Chooses the menu item and returns the list window it opened.
    template <class List> List& openList(QAction* item) { return openFromMenu<List>(item); }
    template <class Editor> static Editor& editor() { return window<Editor>(); }
    // The editor the list's "nuevo" opens.
    frmEditarEmbarcacion& newVessel();
    frmEditarPrecio& newPrice();

public:
    void setDate(forms::DatePicker* d, const QString& ddMMyyyy);  // through its box and calendar; "" unchecks it
    void pressEnter(QWidget* w);
};

}  // namespace vptest
