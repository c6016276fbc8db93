#pragma once
// The viewer of a declaration's payment slips. The payments tab sets the
// declaration number and shows it; every activation reads the slips again
// and shows them, four copies each, ready to print or save as PDF.
//
//   auto& visor = forms::Form::Instance<frmLisBolDeposito>();
//   visor.IdInstrumento(nroDJ);
//   visor.Show();

#include "declarations/reports/CrBDLey7351.h"
#include "platform/barcode/Barcode.h"
#include "platform/forms/Form.h"

#include <QString>
#include <memory>

namespace report {
class Viewer;
}

class frmLisBolDeposito : public forms::Form {
    Q_OBJECT
public:
    frmLisBolDeposito();
    ~frmLisBolDeposito() override;

    // The declaration whose slips print (the payments grid's first column).
    void IdInstrumento(const QString& nro) { m_nro = nro; }

    report::Viewer* CRViewer91;
    barcode::Barcode Barcode;
    std::unique_ptr<CrBDLey7351> Report;

    QSize sizeHint() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    QString m_nro;
    QString m_avisoMostrado;
    bool m_danadaMostrada = false;  // told once, however often it comes to the front
};
