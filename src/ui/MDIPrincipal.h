#pragma once
// The main window: an MDI frame whose menus open the list windows, one at
// a time, and end the program.

#include <QMainWindow>

class QMdiArea;
class QMenu;
class QAction;

class MDIPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // The one main window, created on first reference.
    static MDIPrincipal& Instance();
    static MDIPrincipal* Existing();

    void Show();  // maximized
    void HabDeshabMenu(bool Habilitar);

    QMdiArea* mdiArea() const { return m_area; }

    QMenu* op_archivo;
    QAction* op_salir;
    QMenu* op_Tablas;
    QAction* op_empresas;
    QAction* op_Embarcaciones;
    QAction* op_Precios;
    QMenu* op_DJ;
    QAction* op_DDJJ;

    void op_salir_Click();
    void op_empresas_Click();
    void op_Embarcaciones_Click();
    void op_Precios_Click();
    void op_DDJJ_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

public:
    ~MDIPrincipal() override;

private:
    MDIPrincipal();
    void endProgram();

    QMdiArea* m_area;
};
