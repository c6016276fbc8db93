#pragma once
// The report viewer control of the viewer windows: the laid-out pages of a
// report, painted as they come into view, with a toolbar to print them (the system's
// print dialog), save them as PDF (asking before replacing a file), zoom
// and move through the pages. Its toolbar's keys: "imprimir", "pdf",
// "acercar", "alejar", "ancho", "primera", "anterior", "siguiente", "ultima".

#include "platform/report/PageView.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPrinter;

namespace forms {
class CommonDialog;
class Toolbar;
}  // namespace forms

namespace report {

class Report;

class Viewer : public QWidget {
    Q_OBJECT
public:
    explicit Viewer(QWidget* parent = nullptr);
    ~Viewer() override;

    // The report shown; the viewer does not own it.
    void setReportSource(Report* report) { m_report = report; }
    Report* ReportSource() const { return m_report; }
    // Lays the report out again (its format events run) and shows its first page.
    void ViewReport();

    int PageCount() const;
    int CurrentPage() const;  // 1-based; 0 with nothing shown
    void ShowPage(int page);
    double Zoom() const;
    QString PageText() const;  // "Página n de m"

    // Writes what is shown as PDF; a clear message and false on failure
    // (an existing file is replaced only once the new one is whole).
    bool ExportPdf(const QString& path);
    // Sends what is shown to the printer (already set up by the caller or the dialog).
    void PrintTo(QPrinter& printer);

    forms::Toolbar* tlbVisor;
    PageView* Preview;
    QLabel* lblPagina;
    forms::CommonDialog* ComD;

private:
    void tlbVisor_ButtonClick(const QString& key);
    void Imprimir();
    void GuardarPdf();
    void Actualizar();

    Report* m_report = nullptr;
};

// Test hook: while installed, "imprimir" asks it instead of the print dialog;
// it sets the printer up (a PDF file, say) and returns false for a cancel.
using PrintDialogHook = std::function<bool(QPrinter&)>;
void SetPrintDialogHook(PrintDialogHook hook);  // an empty hook restores the dialog

}  // namespace report
