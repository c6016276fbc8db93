#include "platform/report/Viewer.h"

#include "platform/errors/Error.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/report/PageView.h"
#include "platform/report/Report.h"
#include "platform/text/NewFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTranslator>
#include <QVBoxLayout>

namespace report {
namespace {

PrintDialogHook& printHook()
{
    static PrintDialogHook h;
    return h;
}

const QString kTituloPdf = QStringLiteral("Guardar como PDF");

void prepararA4(QPrinter& printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

// Qt's own Spanish for the print dialog, while it is open.
class DialogoEnCastellano {
public:
    DialogoEnCastellano()
    {
        if (m_qt.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
    }
    ~DialogoEnCastellano() { QCoreApplication::removeTranslator(&m_qt); }

private:
    QTranslator m_qt;
};

}  // namespace

void SetPrintDialogHook(PrintDialogHook hook) { printHook() = std::move(hook); }

Viewer::Viewer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CRViewer91"));

    tlbVisor = new forms::Toolbar(this);
    tlbVisor->setObjectName(QStringLiteral("tlbVisor"));
    tlbVisor->AddButton(QStringLiteral("imprimir"), QStringLiteral("Imprimir"));
    tlbVisor->AddButton(QStringLiteral("pdf"), QStringLiteral("Guardar PDF"));
    tlbVisor->AddSeparator();
    tlbVisor->AddButton(QStringLiteral("acercar"), QStringLiteral("Acercar"));
    tlbVisor->AddButton(QStringLiteral("alejar"), QStringLiteral("Alejar"));
    tlbVisor->AddButton(QStringLiteral("ancho"), QStringLiteral("Ancho de página"));
    tlbVisor->AddSeparator();
    tlbVisor->AddButton(QStringLiteral("primera"), QStringLiteral("Primera"));
    tlbVisor->AddButton(QStringLiteral("anterior"), QStringLiteral("Anterior"));
    tlbVisor->AddButton(QStringLiteral("siguiente"), QStringLiteral("Siguiente"));
    tlbVisor->AddButton(QStringLiteral("ultima"), QStringLiteral("Última"));
    tlbVisor->AddSeparator();
    lblPagina = new QLabel(this);
    lblPagina->setObjectName(QStringLiteral("lblPagina"));
    lblPagina->setContentsMargins(8, 0, 8, 0);
    tlbVisor->addWidget(lblPagina);
    connect(tlbVisor, &forms::Toolbar::ButtonClick, this, &Viewer::tlbVisor_ButtonClick);

    Preview = new PageView(this);
    Preview->setObjectName(QStringLiteral("Preview"));
    connect(Preview, &PageView::previewChanged, this, &Viewer::Actualizar);

    ComD = new forms::CommonDialog(this);
    ComD->setObjectName(QStringLiteral("ComD"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tlbVisor);
    layout->addWidget(Preview, 1);
    Actualizar();
}

Viewer::~Viewer() = default;

void Viewer::ViewReport()
{
    if (m_report) m_report->Layout();
    Preview->setReport(m_report);
    Actualizar();
}

int Viewer::PageCount() const { return m_report ? m_report->PageCount() : 0; }

int Viewer::CurrentPage() const { return PageCount() > 0 ? Preview->currentPage() : 0; }

void Viewer::ShowPage(int page)
{
    if (PageCount() == 0) return;
    Preview->setCurrentPage(std::clamp(page, 1, PageCount()));
    Actualizar();
}

double Viewer::Zoom() const { return Preview->zoomFactor(); }

QString Viewer::PageText() const
{
    return PageCount() > 0 ? PageNumberObject::TextFor(CurrentPage(), PageCount()) : QString();
}

void Viewer::Actualizar()
{
    lblPagina->setText(PageText());
    const int n = PageCount(), actual = CurrentPage();
    tlbVisor->Buttons(QStringLiteral("imprimir")).setEnabled(n > 0);
    tlbVisor->Buttons(QStringLiteral("pdf")).setEnabled(n > 0);
    tlbVisor->Buttons(QStringLiteral("primera")).setEnabled(actual > 1);
    tlbVisor->Buttons(QStringLiteral("anterior")).setEnabled(actual > 1);
    tlbVisor->Buttons(QStringLiteral("siguiente")).setEnabled(actual < n);
    tlbVisor->Buttons(QStringLiteral("ultima")).setEnabled(actual < n);
}

void Viewer::tlbVisor_ButtonClick(const QString& key)
{
    if (key == QLatin1String("imprimir")) {
        Imprimir();
    } else if (key == QLatin1String("pdf")) {
        GuardarPdf();
    } else if (key == QLatin1String("acercar")) {
        Preview->zoomIn(1.25);
    } else if (key == QLatin1String("alejar")) {
        Preview->zoomOut(1.25);
    } else if (key == QLatin1String("ancho")) {
        Preview->fitToWidth();
    } else if (key == QLatin1String("primera")) {
        ShowPage(1);
    } else if (key == QLatin1String("anterior")) {
        ShowPage(CurrentPage() - 1);
    } else if (key == QLatin1String("siguiente")) {
        ShowPage(CurrentPage() + 1);
    } else if (key == QLatin1String("ultima")) {
        ShowPage(PageCount());
    }
    Actualizar();
}

void Viewer::Imprimir()
{
    if (PageCount() == 0) return;
    QPrinter printer(QPrinter::HighResolution);
    prepararA4(printer);
    printer.setDocName(m_report->Title);
    bool ok = false;
    if (printHook()) {
        ok = printHook()(printer);
    } else {
        DialogoEnCastellano castellano;
        QPrintDialog dlg(&printer, window());
        dlg.setWindowTitle(QStringLiteral("Imprimir"));
        dlg.setMinMax(1, PageCount());
        ok = dlg.exec() == QDialog::Accepted;
    }
    if (ok) PrintTo(printer);
}

void Viewer::PrintTo(QPrinter& printer)
{
    if (!m_report) return;
    QPainter p;
    if (!p.begin(&printer)) {
        forms::MsgBox(QStringLiteral("No se pudo imprimir: la impresora no está disponible."), forms::vbExclamation,
                      QStringLiteral("Imprimir"));
        return;
    }
    // The pages the dialog asked for, when it asked for some.
    int from = printer.fromPage(), to = printer.toPage();
    if (from <= 0 || to <= 0) {
        from = 1;
        to = PageCount();
    }
    to = std::min(to, PageCount());
    for (int i = from; i <= to; ++i) {
        if (i > from) printer.newPage();
        m_report->PaintPage(p, i - 1);
    }
    p.end();
}

void Viewer::GuardarPdf()
{
    if (PageCount() == 0) return;
    ComD->DialogTitle = kTituloPdf;
    ComD->Filter = QStringLiteral("Documentos PDF (*.pdf)|*.pdf");
    ComD->DefaultExt = QStringLiteral("pdf");
    ComD->Flags = forms::cdlOFNOverwritePrompt;
    ComD->CancelError = true;
    // Accented letters are letters of the name too ("Declaración", "depósito").
    static const QRegularExpression notInName(QStringLiteral("[^\\w\\- ]+"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    QString name = QString(m_report->Title).replace(notInName, QStringLiteral(" ")).simplified();
    ComD->FileName = (name.isEmpty() ? QStringLiteral("reporte") : name) + QStringLiteral(".pdf");
    try {
        ComD->ShowSave();
    } catch (const platform::Error& e) {
        if (e.Number == platform::ErrCancel) return;
        throw;
    }
    ExportPdf(ComD->FileName);
}

bool Viewer::ExportPdf(const QString& path)
{
    if (!m_report) return false;
    auto fallo = [&](const QString& porque) {
        forms::MsgBox(QStringLiteral("No se pudo guardar el archivo ") + QFileInfo(path).fileName()
                          + QStringLiteral(" en la carpeta ") + QFileInfo(path).absolutePath() + QStringLiteral(".\r\n")
                          + porque,
                      forms::vbExclamation, kTituloPdf);
        return false;
    };
    // Laid out whole in memory first: the file on disk is either the old one
    // or the complete new one.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QString error;
    if (!m_report->WritePdf(pdf, &error)) return fallo(error);
    try {
        text::NewFile file(path);
        file.Write(pdf.data());
        file.Commit();
    } catch (const platform::Error& e) {
        return fallo(e.Description);
    }
    return true;
}

}  // namespace report
