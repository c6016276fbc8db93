#pragma once
// The viewer of a printed declaration. The declaration list sets the
// number and the checksum of the declaration's export and shows it; every
// activation reads the declaration and its guides again and shows them,
// ready to print or save as PDF.

#include "declarations/reports/crDJ.h"
#include "platform/barcode/Barcode.h"
#include "platform/forms/Form.h"

#include <QString>
#include <memory>

namespace report {
class Viewer;
}

class frmLisDJ : public forms::Form {
    Q_OBJECT
public:
    frmLisDJ();
    ~frmLisDJ() override;

    void MD5Files(const QString& md5) { m_md5 = md5; }
    void DJNro(const QString& nro) { m_nro = nro; }

    report::Viewer* CRViewer91;
    barcode::Barcode Barcode;
    barcode::Barcode BarcodeMD5;
    std::unique_ptr<crDJ> Report;

    QSize sizeHint() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    QString m_nro;
    QString m_md5;
    QString m_avisoMostrado;
    bool m_danadaMostrada = false;  // told once, however often it comes to the front
};
