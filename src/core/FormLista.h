#pragma once
// A list window: a toolbar over a grid that shows one view, from which the
// clerk opens the editor for a new or the selected row and deletes the
// selected one. Each list declares what is its own (view, columns,
// buttons, how a grid row becomes its record, the editor, the deletion's
// texts and its deletion step); the steps every list takes are here, once:
// reading the view again on activation only when the database changed,
// the first row selected and the focus in the grid, the buttons that need a
// row, the per-field message for a row the record cannot take, and the
// main window's menus given back on unload.

#include "platform/forms/Form.h"
#include "platform/forms/GridColumns.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <span>

namespace forms {
class DataControl;
class DataGrid;
class Toolbar;
}  // namespace forms

// The texts of the grid's current row, converted as a record takes them.
// A cell that cannot be converted gives 0 and leaves its message, which
// names the column, the text and, for the matrícula, the accepted range.
class FilaLista {
public:
    FilaLista(forms::DataGrid& grilla, std::span<const forms::ColumnaGrilla> columnas, QStringList campos,
              QString registro);

    QString Texto(int c) const;        // as shown
    QString TextoOVacio(int c) const;  // the empty text when the trimmed text is empty
    std::int16_t Int(int c);
    std::int32_t Lng(int c);
    double Dbl(int c);
    double DblOCero(int c);    // 0 when the trimmed text is empty
    QString Matricula(int c);  // a number: leading zeros dropped

    // "No se puede modificar ... porque ...", or empty when every cell converted.
    const QString& Problema() const { return m_problema; }

private:
    template <class F> auto Numero(int c, F convertir, const QString& rango = {}) -> decltype(convertir(QString()));
    QString Dato(int c) const;

    forms::DataGrid& m_grilla;
    std::span<const forms::ColumnaGrilla> m_columnas;
    QStringList m_campos;
    QString m_registro, m_problema;
};

class FormLista : public forms::Form {
    Q_OBJECT
public:
    // A toolbar button; a null key is a separator.
    struct Boton {
        const char* key;
        const char* caption = nullptr;
        bool conFila = false;  // enabled only while the list holds a row
    };
    struct Definicion {
        const char* nombre;  // the window's name
        const char* caption;
        const char* grilla;  // the grid's and the data control's names
        const char* ado;
        const char* sql;  // what the list shows
        std::span<const forms::ColumnaGrilla> columnas;
        std::span<const Boton> botones;
        QSize tamanio;         // wide enough for the main columns
        const char* registro;  // who the conversion message names: "la empresa seleccionada"
        // Deletion: the title of its boxes, the question (and a second one,
        // when the list asks twice), and the message when nothing was deleted.
        const char* tituloBorrar;
        const char* preguntaBorrar;
        const char* rechazoBorrar;
        const char* segundaPregunta = nullptr;
    };

    forms::Toolbar* tlbMonedas;

    forms::DataGrid* grilla() const { return m_grilla; }
    forms::DataControl* ado() const { return m_ado; }

    // The declared size, never wider than the main window's area.
    QSize sizeHint() const override;

protected:
    explicit FormLista(const Definicion& d);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

    void tlbMonedas_ButtonClick(const QString& key);
    void HabilitarBotones();
    void CargarGrilla();
    void FormatearGrilla();
    bool HayFilas() const;

    // What each list says: its editor opened for op 1 (new) or 2 (the record
    // CargarSeleccionada filled), the current row into that record (false,
    // the record untouched, when the row cannot be converted), the deletion
    // of the current row once confirmed, and any button of its own.
    virtual void AbrirEditor(int op) = 0;
    virtual bool CargarSeleccionada() = 0;
    virtual void Borrar() = 0;
    virtual void OtroBoton(const QString& key) { (void)key; }

    // A list's deletion: the statement run with errors ignored, the refusal
    // told when it deleted nothing (whatever the cause), the list reloaded.
    void EjecutarBorrado(const QString& sql);

    FilaLista Fila() const;
    // The row's record into the list's own (made on the first copy, refilled
    // afterwards), or the row's problem told to the clerk.
    template <class R> bool Tomar(const FilaLista& fila, const R& leido, std::shared_ptr<R>& registro)
    {
        if (!fila.Problema().isEmpty()) {
            Avisar(fila.Problema());
            return false;
        }
        if (!registro) registro = std::make_shared<R>();
        *registro = leido;
        return true;
    }
    // One editor: an open one takes the new operation.
    template <class Editor, class R> static void Editar(int op, const std::shared_ptr<R>& registro)
    {
        Editor& editor = forms::Form::Instance<Editor>();
        editor.Operacion(op, op == 1 ? nullptr : registro);
        editor.Show();
    }

private:
    void Avisar(const QString& mensaje);

    const Definicion& m_def;
    forms::DataGrid* m_grilla;
    forms::DataControl* m_ado;
};
