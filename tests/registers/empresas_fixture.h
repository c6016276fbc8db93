#pragma once
// The company register opened as the clerk opens it: the main window
// shown, "Tablas" > "Empresas" chosen, on a fresh database with the
// reference rows and the companies each test adds.

#include "core/records/clsEmpresa.h"
#include "platform/ado/Variant.h"
#include "registers/frmEditarEmpresa.h"
#include "registers/frmEmpresas.h"
#include "support/Fixtures.h"
#include "support/MainWindowTest.h"
#include "support/Support.h"

#include <QDate>
#include <QString>
#include <gtest/gtest.h>

namespace forms {
class ComboBox;
class Toolbar;
}  // namespace forms

namespace empresastest {

// Valid CUITs and gross-income numbers (check digits right).
inline const QString kCuitA = QStringLiteral("30708123451");
inline const QString kCuitB = QStringLiteral("20123456786");
inline const QString kCuitC = QStringLiteral("30712345671");
inline const QString kNroIB = QStringLiteral("9011234563");

// A stored company with only its fiscal address (CHUBUT, RAWSON 9103).
inline void insertCompany(int id, const QString& cuit, const QString& rsocial)
{
    testsupport::insertCompany(id, cuit.toLongLong(), rsocial);
}
// A declaration naming the company of that CUIT.
void insertDeclarationFor(const QString& cuit);

using testsupport::count;
using testsupport::scalar;

class EmpresasTest : public testsupport::MainWindowTest {
protected:
    EmpresasTest() : MainWindowTest(false, QDate(2006, 5, 15)) {}

public:
    frmEmpresas& openList();
    frmEmpresas& list();
    frmEditarEmpresa& editor();  // the open editor (fails when none)
    // From the open list: "Nuevo", or "Modificar" on the row of that CUIT.
    frmEditarEmpresa& nueva();
    frmEditarEmpresa& modificar(const QString& cuit);

    void selectRow(const QString& cuit);  // a click on the list's row of that CUIT

    // A new company "PESQUERA DEL SUR S.A." number 10 with kCuitA and only
    // the fiscal address, every check passing.
    void fillValid(frmEditarEmpresa& e);
    // The list's displayed texts, one row per company, columns joined by "|".
    QStringList rows();
};

}  // namespace empresastest
