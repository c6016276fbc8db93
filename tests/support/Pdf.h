#pragma once
// Reading printed PDFs back as a reader would: the text poppler extracts,
// the page count, and the barcodes zbar decodes from the pages rendered at
// printer resolution.

#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

namespace testsupport {

// The text of the pages (1-based, 0 = all), laid out as on paper.
QString PdfText(const QString& pdf, int page = 0);
int PdfPages(const QString& pdf);
// Every barcode zbar finds on the pages (1-based, 0 = all) rendered at `dpi`.
// zbar reports the same text once per picture, so a page that repeats a
// code is read in `strips` horizontal strips of its own.
QStringList PdfBarcodes(const QString& pdf, int page = 0, int dpi = 300, int strips = 1);
// One word as poppler reads it, with its box in points from the page's top-left corner.
struct PdfWord {
    QString text;
    QRectF box;
};
// The words of one page (1-based), from `pdftotext -bbox`.
std::vector<PdfWord> PdfWords(const QString& pdf, int page);
// Whitespace runs folded to one space, so that text broken across lines or
// columns compares as written.
QString Folded(const QString& s);

}  // namespace testsupport
