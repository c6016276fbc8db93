#pragma once
// The declaration editor opened on a stored declaration of May 2006 (rate
// 2 %), its guides tab, and the guide editor it opens.

#include "editor_fixture.h"

#include "declarations/frmEditarGuias.h"

#include <QDate>

namespace guiastest {

using namespace editortest;

// A stored guide, as the guide editor would have written it.
struct Guia {
    QString nroDJ = kNro;
    QString nro;
    QString fecha = QStringLiteral("2006-05-10");
    int puerto = 10;     // PUERTO MADRYN
    int localidad = 44;  // PUERTO MADRYN, CHUBUT
    int provincia = 26;
    QString planta = QStringLiteral("PLANTA DEL SUR");
    double cajones = 0, kilos = 0, total = 0, alicuota = 4, valor = 0;
};
void insertGuide(const Guia& g);
void insertGuideLine(const QString& guia, int renglon, int especie, double cajones, double kg, double precio,
                     double total);

// The guide's stored header fields and its lines, in readable form.
QString storedGuide(const QString& nro);
QString storedGuideLines(const QString& nro);

class GuiasTest : public EditorTest {
protected:
    void SetUp() override;

    // The declaration editor on kNro, its guides tab shown.
    frmEditarDJ& openGuias();
    // "nuevo" or "modificar" on the guides tab; the guide editor that opens.
    frmEditarGuias& nuevaGuia();
    frmEditarGuias& modificarGuia();
    frmEditarGuias& g() const;

    // Unlocks a new guide's header and fills every field validly.
    void fillHeader(const QString& nro, const QString& planta = QStringLiteral("planta del sur"));
    void setDate(QDate d);
    // A line as the clerk enters it on the "Detalle" tab.
    void addLine(const QString& especie, const QString& cajones, const QString& kg, const QString& precio);
    QString enabledButtons(forms::Toolbar* tb) const;
};

}  // namespace guiastest
