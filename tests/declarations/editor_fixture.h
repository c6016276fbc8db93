#pragma once
// The declaration editor, opened inside the main window on a fresh
// database holding the reference rows and the registers each test adds.

#include "core/records/clsCabDDJJ.h"
#include "declarations/frmEditarDJ.h"
#include "platform/ado/Variant.h"
#include "support/Fixtures.h"
#include "support/MainWindowTest.h"
#include "support/Support.h"

#include <QDate>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

class QWidget;
class ctlNumero;
namespace forms {
class ComboBox;
class Toolbar;
}  // namespace forms

namespace editortest {

// ---- register and declaration rows
using testsupport::insertCompany;
using testsupport::insertPrice;
using testsupport::insertVessel;
void insertSpecies(int id, const QString& descripcion);
// A stored header, as the editor would have written it, over the registers' rows.
void insertDeclaration(const QString& nro, int anio, int mes, const QString& matricula, qint64 cuit,
                       const QString& estadoId = QStringLiteral("N"), double alicuota = 3);
void insertLine(const QString& nro, int renglon, int especie, double kg, double precio, double total);

using testsupport::count;
using testsupport::exec;
using testsupport::q;
using testsupport::recordOf;
using testsupport::scalar;

// The usual fixture: vessel 7 "123" "DON JUAN", company 3 CUIT 20123456786
// "PEREZ JUAN CARLOS", today 15/05/2006.
extern const QString kNro;  // 20123456786012320060500

class EditorTest : public testsupport::MainWindowTest {
protected:
    EditorTest() : MainWindowTest(false, QDate(2006, 5, 15)) {}
    void SetUp() override;

public:
    frmEditarDJ& open(int operacion, const std::shared_ptr<clsCabDDJJ>& cab = nullptr);
    frmEditarDJ& ed() { return *m_ed; }

    static QString shown(ctlNumero* n);

    // A new declaration with every header field valid, the header unlocked.
    void fillValidHeader();

protected:
    frmEditarDJ* m_ed = nullptr;
};

}  // namespace editortest
