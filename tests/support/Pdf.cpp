#include "support/Pdf.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <stdexcept>

namespace testsupport {
namespace {

QString run(const QString& program, const QStringList& args, int* exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000)) throw std::runtime_error(("did not finish: " + program).toStdString());
    if (exitCode)
        *exitCode = p.exitCode();
    else if (p.exitCode() != 0)
        throw std::runtime_error((program + " failed: " + QString::fromUtf8(p.readAllStandardError())).toStdString());
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList pageArgs(int page)
{
    if (page <= 0) return {};
    return {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page)};
}

}  // namespace

QString PdfText(const QString& pdf, int page)
{
    return run(QStringLiteral("pdftotext"),
               QStringList{QStringLiteral("-layout")} + pageArgs(page) + QStringList{pdf, QStringLiteral("-")});
}

int PdfPages(const QString& pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QStringList PdfBarcodes(const QString& pdf, int page, int dpi, int strips)
{
    QTemporaryDir dir;
    // A4 at that resolution.
    const int width = int(8.27 * dpi + 1), height = int(11.69 * dpi + 1);
    for (int s = 0; s < strips; ++s) {
        QStringList crop;
        if (strips > 1)
            crop = {QStringLiteral("-x"), QStringLiteral("0"),
                    QStringLiteral("-y"), QString::number(s * height / strips),
                    QStringLiteral("-W"), QString::number(width),
                    QStringLiteral("-H"), QString::number(height / strips)};
        run(QStringLiteral("pdftoppm"),
            QStringList{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png")}
                + pageArgs(page) + crop
                + QStringList{pdf, QDir(dir.path()).filePath(QStringLiteral("s%1").arg(s, 2, 10, QChar('0')))});
    }
    QStringList found;
    QStringList pngs = QDir(dir.path()).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (const QString& png : pngs) {
        int rc = 0;
        // Exit code 4: no barcode on that page.
        const QString out =
            run(QStringLiteral("zbarimg"),
                {QStringLiteral("--quiet"), QStringLiteral("--raw"), QDir(dir.path()).filePath(png)}, &rc);
        if (rc != 0 && rc != 4) throw std::runtime_error("zbarimg failed");
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) found << line.trimmed();
    }
    return found;
}

std::vector<PdfWord> PdfWords(const QString& pdf, int page)
{
    const QString html =
        run(QStringLiteral("pdftotext"),
            QStringList{QStringLiteral("-bbox")} + pageArgs(page) + QStringList{pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
        words.push_back({text, QRectF(x0, y0, m.captured(3).toDouble() - x0, m.captured(4).toDouble() - y0)});
    }
    return words;
}

QString Folded(const QString& s) { return s.simplified(); }

}  // namespace testsupport
