#pragma once
// The company register opened as the clerk opens it: the main window
// shown, "Tablas" > "Empresas" chosen, on a fresh database with the
// reference rows and the companies each test adds.

#include "core/records/clsEmpresa.h"
#include "platform/ado/Variant.h"
#include "registers/frmEditarEmpresa.h"
#include "registers/frmEmpresas.h"
#include "support/Fixtures.h"
#include "support/Support.h"

#include <QString>
#include <gtest/gtest.h>

class MDIPrincipal;
namespace forms { class ComboBox; class Toolbar; }

namespace empresastest {

// Valid CUITs and gross-income numbers (check digits right).
inline const QString kCuitA = QStringLiteral("30708123451");
inline const QString kCuitB = QStringLiteral("20123456786");
inline const QString kCuitC = QStringLiteral("30712345671");
inline const QString kNroIB = QStringLiteral("9011234563");

// A stored company (the shared fixture's, with only its fiscal address).
void insertCompany(int id, const QString& cuit, const QString& rsocial);
// A declaration naming the company of that CUIT.
void insertDeclarationFor(const QString& cuit);

using testsupport::count;
using testsupport::scalar;

class EmpresasTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    frmEmpresas& openList();
    frmEmpresas& list();
    frmEditarEmpresa& editor();  // the open editor (fails when none)
    // From the open list: "Nuevo", or "Modificar" on the row of that CUIT.
    frmEditarEmpresa& nueva();
    frmEditarEmpresa& modificar(const QString& cuit);

    // Driving the windows as the user does.
    void click(forms::Toolbar* tb, const QString& key);     // a mouse click: the focus moves to the button
    void focusOn(QWidget* w);
    void type(QWidget* w, const QString& text);             // focus in, select all, type
    void typeAndLeave(QWidget* w, const QString& text);     // ... then Tab out
    void choose(forms::ComboBox* cbo, const QString& text); // a pick from the list (fails when absent)
    void selectRow(const QString& cuit);                    // a click on the list's row of that CUIT
    QWidget* focused() const;

    // A new company "PESQUERA DEL SUR S.A." number 10 with kCuitA and only
    // the fiscal address, every check passing.
    void fillValid(frmEditarEmpresa& e);
    // The list's displayed texts, one row per company, columns joined by "|".
    QStringList rows();

protected:
    QStringList prompts() const { return boxes.prompts(); }

    testsupport::TempDb db;
    testsupport::MsgBoxRecorder boxes;
    MDIPrincipal* main = nullptr;
};

}  // namespace empresastest
