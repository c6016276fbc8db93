#include "core/FormLista.h"

#include "core/Matricula.h"
#include "core/MenuPrincipal.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QVBoxLayout>

// ---------------------------------------------------------------- FilaLista

FilaLista::FilaLista(forms::DataGrid& grilla, std::span<const forms::ColumnaGrilla> columnas, QStringList campos,
                     QString registro)
    : m_grilla(grilla), m_columnas(columnas), m_campos(std::move(campos)), m_registro(std::move(registro))
{
}

QString FilaLista::Texto(int c) const { return m_grilla.Text(c); }

QString FilaLista::TextoOVacio(int c) const { return text::Trim(Texto(c)).isEmpty() ? QString() : Texto(c); }

// The column as the clerk knows it: its caption, or the view's name for a hidden one.
QString FilaLista::Dato(int c) const
{
    if (c < int(m_columnas.size()) && m_columnas[size_t(c)].caption && *m_columnas[size_t(c)].caption)
        return QString::fromUtf8(m_columnas[size_t(c)].caption);
    return m_campos.value(c);
}

template <class F> auto FilaLista::Numero(int c, F convertir, const QString& rango) -> decltype(convertir(QString()))
{
    const QString t = Texto(c);
    try {
        return convertir(t);
    } catch (const platform::Error&) {
        if (m_problema.isEmpty())
            m_problema = text::Trim(t).isEmpty()
                ? QStringLiteral("No se puede modificar %1 porque no tiene cargado el dato \"%2\".")
                      .arg(m_registro, Dato(c))
                : QStringLiteral("No se puede modificar %1 porque el dato \"%2\" (%3) no es un número válido%4.")
                      .arg(m_registro, Dato(c), t, rango);
        return {};
    }
}

std::int16_t FilaLista::Int(int c)
{
    return Numero(c, [](const QString& t) { return text::CInt(t); });
}

std::int32_t FilaLista::Lng(int c)
{
    return Numero(c, [](const QString& t) { return text::CLng(t); });
}

double FilaLista::Dbl(int c)
{
    return Numero(c, [](const QString& t) { return text::CDbl(t); });
}

double FilaLista::DblOCero(int c) { return text::Trim(Texto(c)).isEmpty() ? 0 : Dbl(c); }

QString FilaLista::Matricula(int c)
{
    return Numero(
        c,
        [](const QString& t) {
            if (!Matricula::Aceptable(t)) throw platform::RuntimeError(platform::ErrTypeMismatch);
            return QString::number(t.toInt());
        },
        Matricula::Rango());
}

// ---------------------------------------------------------------- FormLista

FormLista::FormLista(const Definicion& d) : m_def(d)
{
    forms::Nombrado(this, d.nombre);
    setCaption(QString::fromUtf8(d.caption));

    tlbMonedas = forms::Nombrado(new forms::Toolbar(this), "tlbMonedas");
    for (const Boton& b : d.botones) {
        if (b.key)
            tlbMonedas->AddButton(QString::fromLatin1(b.key), QString::fromUtf8(b.caption));
        else
            tlbMonedas->AddSeparator();
    }
    connect(tlbMonedas, &forms::Toolbar::ButtonClick, this, &FormLista::tlbMonedas_ButtonClick);

    m_ado = forms::Nombrado(new forms::DataControl(this), d.ado);
    m_grilla = forms::Nombrado(new forms::DataGrid(this), d.grilla);
    m_grilla->setAccessibleName(Caption());
    m_grilla->setDataSource(m_ado);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tlbMonedas);
    layout->addWidget(m_grilla, 1);
}

QSize FormLista::sizeHint() const { return DentroDelArea(m_def.tamanio); }

void FormLista::Form_Load() { Move(0, 0); }

void FormLista::Form_Activate()
{
    forms::Atrapar([this] {
        // On an unchanged database the list's reader is handed out again and
        // the grid keeps what it shows: nothing is read twice.
        CargarGrilla();
        if (HayFilas()) {
            const auto& rs = m_ado->Recordset;
            rs->MoveFirst();
            m_grilla->setRow(0);
            m_grilla->SelBookmarks().Add(rs->Bookmark());
        }
        HabilitarBotones();
        // The arrow keys move through the list as soon as it shows.
        m_grilla->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void FormLista::Form_Unload(int& cancel)
{
    (void)cancel;
    MenuPrincipal::HabDeshabMenu(true);
}

void FormLista::tlbMonedas_ButtonClick(const QString& key)
{
    forms::Atrapar([&] {
        if (key == QLatin1String("salir")) {
            Unload();
        } else if (key == QLatin1String("nuevo")) {
            AbrirEditor(1);
        } else if (key == QLatin1String("modificar")) {
            if (CargarSeleccionada()) AbrirEditor(2);
        } else if (key == QLatin1String("borrar")) {
            const QString titulo = QString::fromUtf8(m_def.tituloBorrar);
            for (const char* pregunta : {m_def.preguntaBorrar, m_def.segundaPregunta})
                if (pregunta
                    && forms::MsgBox(QString::fromUtf8(pregunta), forms::vbYesNo + forms::vbQuestion, titulo)
                        != forms::vbYes)
                    return;
            Borrar();
            HabilitarBotones();
        } else {
            OtroBoton(key);
        }
    });
}

bool FormLista::HayFilas() const
{
    const auto& rs = m_ado->Recordset;
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() >= 1;
}

void FormLista::HabilitarBotones()
{
    const bool hayFilas = HayFilas();
    for (size_t i = 0; i < m_def.botones.size(); ++i)
        if (m_def.botones[i].conFila) tlbMonedas->Buttons(int(i) + 1).setEnabled(hayFilas);
}

void FormLista::CargarGrilla()
{
    auto rs = std::make_shared<ado::Recordset>();
    // The grid keeps what it showed when the view cannot be read.
    if (!forms::Atrapar(
            [&] { rs->Open(QString::fromUtf8(m_def.sql), de1::conn(), ado::adOpenKeyset, ado::adLockOptimistic); }))
        return;
    m_ado->Recordset = std::move(rs);
    m_ado->Refresh();
    FormatearGrilla();
}

void FormLista::FormatearGrilla() { forms::AplicarColumnas(*m_grilla, m_def.columnas); }

FilaLista FormLista::Fila() const
{
    const auto& rs = m_ado->Recordset;
    return FilaLista(*m_grilla, m_def.columnas, rs ? rs->FieldNames() : QStringList(),
                     QString::fromUtf8(m_def.registro));
}

void FormLista::Avisar(const QString& mensaje) { forms::MsgBox(mensaje, forms::vbInformation, Caption()); }

void FormLista::EjecutarBorrado(const QString& sql)
{
    long borradas = 0;
    // Any failure, the database's refusal included, ends in the one message below.
    forms::Ignorar([&] { de1::conn().Execute(sql, &borradas); });
    if (borradas == 0)
        forms::MsgBox(QString::fromUtf8(m_def.rechazoBorrar), forms::vbInformation,
                      QString::fromUtf8(m_def.tituloBorrar));
    CargarGrilla();
}
