#pragma once
// The printed payment slip: one page per slip of the declaration, in four
// copies, each with the amount in words, the 80-digit payment code as
// barcode and its digits.

#include "platform/report/Report.h"

#include <QStringList>
#include <map>

namespace barcode {
class Barcode;
}

class CrBDLey7351 : public report::Report {
public:
    // The barcode control of the viewer window, which draws the code's picture.
    explicit CrBDLey7351(barcode::Barcode& Barcode);

    static constexpr int kCopias = 4;
    report::Section* DetailSection1;
    report::TextObject* txtNroDJ[kCopias];     // the declaration number, set by the viewer
    report::TextObject* txtSonPesos[kCopias];  // the amount in words
    report::TextObject* txtCodigo[kCopias];    // the grouped digits of the code
    report::TextObject* txtAviso[kCopias];     // why a slip has no code
    report::PictureObject* picCodigo[kCopias];
    report::PictureObject* picTamanio;  // only gives the barcode picture's size
    report::FieldObject* fldTotal;      // the amount written in words

    // One line per slip printed without a payment code, saying why.
    QStringList Avisos() const;

    void Layout() override;

private:
    void DetailSection1_Format();
    QString ArmarCodigoBarras();
    void Copia(report::Section& s, int i, double top);

    barcode::Barcode& m_barcode;
    QString m_problema;                // of the last code built
    std::map<long, QString> m_avisos;  // by row
};
