#pragma once
// The declaration editor, opened inside the main window on a fresh
// database holding the reference rows and the registers each test adds.

#include "declarations/frmEditarDJ.h"
#include "core/records/clsCabDDJJ.h"
#include "platform/ado/Variant.h"
#include "support/Fixtures.h"
#include "support/Support.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

class QWidget;
class ctlNumero;
namespace forms { class ComboBox; class Toolbar; }

namespace editortest {

// ---- register and declaration rows
using testsupport::insertCompany;
using testsupport::insertVessel;
void insertSpecies(int id, const QString& descripcion);
void insertPrice(int especie, double valor, const QString& isoDate, const QString& disposicion = QString());
// A stored header, as the editor would have written it, over the registers' rows.
void insertDeclaration(const QString& nro, int anio, int mes, const QString& matricula, qint64 cuit,
                       const QString& estadoId = QStringLiteral("N"), double alicuota = 3);
void insertLine(const QString& nro, int renglon, int especie, double kg, double precio, double total);

using testsupport::count;
using testsupport::recordOf;
using testsupport::scalar;

// The usual fixture: vessel 7 "123" "DON JUAN", company 3 CUIT 20123456786
// "PEREZ JUAN CARLOS", today 15/05/2006.
extern const QString kNro;  // 20123456786012320060500

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:

    frmEditarDJ& open(int operacion, const std::shared_ptr<clsCabDDJJ>& cab = nullptr);
    frmEditarDJ& ed() { return *m_ed; }

    // Driving the window as the user does.
    void click(forms::Toolbar* tb, const QString& key);     // a mouse click: the focus moves to the button
    void type(QWidget* w, const QString& text);             // focus in, select all, type
    void typeAndLeave(QWidget* w, const QString& text);     // ... then Tab out
    void choose(forms::ComboBox* cbo, const QString& text); // a pick from the list (fails when absent)
    void focusOn(QWidget* w);
    QWidget* focused() const;
    static QString shown(ctlNumero* n);

    // A new declaration with every header field valid, the header unlocked.
    void fillValidHeader();

protected:
    // Every message the window shows; no real dialog ever opens in these tests.
    QStringList prompts() const { return boxes.prompts(); }

    testsupport::TempDb db;
    testsupport::MsgBoxRecorder boxes;
    frmEditarDJ* m_ed = nullptr;
};

}  // namespace editortest
