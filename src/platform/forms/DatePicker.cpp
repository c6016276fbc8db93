#include "platform/forms/DatePicker.h"

#include "platform/errors/Error.h"
#include "platform/forms/Form.h"
#include "platform/forms/LostFocus.h"
#include "platform/forms/MsgBox.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace forms {

namespace {

const QString kFormato = QStringLiteral("dd/MM/yyyy");

// A screen reader meets only the parts the clerk sees: the "Con fecha" box
// is no part of a picker that cannot be left without a date.
class PickerAccessible : public QAccessibleWidget {
public:
    explicit PickerAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Grouping) {}
    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> s = shown();
        return index >= 0 && index < s.size() ? QAccessible::queryAccessibleInterface(s[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        return c ? int(shown().indexOf(qobject_cast<QWidget*>(c->object()))) : -1;
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> s;
        for (QWidget* w : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden() && !w->isWindow()) s << w;
        return s;
    }
};

QAccessibleInterface* pickerAccessible(const QString& key, QObject* o)
{
    if (key == QLatin1String("forms::DatePicker") && o && o->isWidgetType())
        return new PickerAccessible(static_cast<QWidget*>(o));
    return nullptr;
}

}  // namespace

// The date edit of the picker. Qt's own takes typed digits section by
// section, checks each against the range before the rest is typed (20 over
// a December limit becomes 02) and ignores them after a click; a click in
// the text of a calendar edit even steps the date down. Here every digit
// goes to the picker's whole-date entry, and a click only places the focus.
class CajaFecha : public QDateEdit {
public:
    explicit CajaFecha(DatePicker* owner) : QDateEdit(owner), m_owner(owner) {}
    QLineEdit* texto() const { return lineEdit(); }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if ((e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::NoModifier
            && m_owner->Tecla(e->key(), e->text())) {
            e->accept();
            return;
        }
        QDateEdit::keyPressEvent(e);
    }
    // Tab leaves the box, as from any other field: the date is typed whole,
    // so its sections are no stops of their own.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
    void mousePressEvent(QMouseEvent* e) override
    {
        QStyleOptionComboBox opt;
        opt.initFrom(this);
        opt.editable = true;
        opt.subControls = QStyle::SC_All;
        if (style()->hitTestComplexControl(QStyle::CC_ComboBox, &opt, e->position().toPoint(), this)
            == QStyle::SC_ComboBoxArrow) {
            m_owner->CancelarEntrada();
            QDateEdit::mousePressEvent(e);
            return;
        }
        e->accept();
    }

private:
    DatePicker* m_owner;
};

DatePicker::DatePicker(QWidget* parent) : QWidget(parent), m_check(new QCheckBox(this)), m_edit(new CajaFecha(this))
{
    static const bool factory = (QAccessible::installFactory(pickerAccessible), true);
    (void)factory;
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(m_check);
    l->addWidget(m_edit, 1);
    m_check->setObjectName(QStringLiteral("chk"));
    m_check->setAccessibleName(QStringLiteral("Con fecha"));
    m_check->setChecked(true);
    m_check->hide();
    m_edit->setObjectName(QStringLiteral("fecha"));
    m_edit->setDisplayFormat(kFormato);
    m_edit->setCalendarPopup(true);
    m_edit->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    m_edit->setDate(QDate::currentDate());
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_edit, &QDateEdit::dateChanged, this, [this] {
        if (!m_setting) emit Change();
    });
    connect(m_check, &QCheckBox::toggled, this, [this] {
        updateEnabled();
        if (!m_setting) emit Change();
    });
    // A date left half typed is not silently dropped.
    OnLostFocus(m_edit, [this] {
        if (m_escribiendo && !TerminarEntrada()) m_edit->setFocus();
    });
}

void DatePicker::setCheckBox(bool on)
{
    m_checkBox = on;
    m_check->setVisible(on);
    if (!on) m_check->setChecked(true);
    updateEnabled();
}

ado::Variant DatePicker::Value() const
{
    if (!HasValue()) return ado::Variant::Null();
    return ado::Variant(m_edit->date());
}

bool DatePicker::HasValue() const { return !m_checkBox || m_check->isChecked(); }

QDate DatePicker::Date() const { return m_edit->date(); }

void DatePicker::setValue(QDate date)
{
    if (!date.isValid() || date < m_edit->minimumDate() || date > m_edit->maximumDate())
        throw platform::RuntimeError(platform::ErrInvalidPropertyValue);
    CancelarEntrada();
    const bool changed = date != m_edit->date() || !HasValue();
    m_setting = true;
    m_check->setChecked(true);
    m_edit->setDate(date);
    m_setting = false;
    updateEnabled();
    if (changed) emit Change();
}

void DatePicker::setValue(const ado::Variant& v)
{
    if (v.isNull() || v.isEmpty()) {
        setNoValue();
        return;
    }
    if (v.type() != ado::Variant::Type::Date) throw platform::RuntimeError(platform::ErrTypeMismatch);
    setValue(v.date());
}

void DatePicker::setNoValue()
{
    if (!m_checkBox) setCheckBox(true);
    CancelarEntrada();
    const bool changed = HasValue();
    m_setting = true;
    m_check->setChecked(false);
    m_setting = false;
    updateEnabled();
    if (changed) emit Change();
}

QDate DatePicker::MinDate() const { return m_edit->minimumDate(); }
void DatePicker::setMinDate(QDate d) { m_edit->setMinimumDate(d); }
QDate DatePicker::MaxDate() const { return m_edit->maximumDate(); }
void DatePicker::setMaxDate(QDate d) { m_edit->setMaximumDate(d); }

// Without a date only the check box can take the focus (to give one).
void DatePicker::updateEnabled()
{
    m_edit->setEnabled(HasValue());
    setFocusProxy(HasValue() ? static_cast<QWidget*>(m_edit) : m_check);
}

// ---------------------------------------------------------------- typing a date

bool DatePicker::Tecla(int key, const QString& text)
{
    const QChar c = text.size() == 1 ? text.at(0) : QChar();
    if (c.isDigit() && c.unicode() < 128) {
        if (!m_escribiendo) {
            m_escribiendo = true;
            m_partes[0].clear();
            m_partes[1].clear();
            m_partes[2].clear();
            m_parte = 0;
        }
        m_partes[m_parte] += c;
        if (m_parte < 2 && m_partes[m_parte].size() == 2) ++m_parte;
        if (m_parte == 2 && m_partes[2].size() == 4) {
            TerminarEntrada();
            return true;
        }
        MostrarEntrada();
        return true;
    }
    if (!m_escribiendo) return false;
    if (c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(' ')) {
        // Ends a day or month of one digit; right after a full one it is the typed slash.
        if (m_parte < 2 && !m_partes[m_parte].isEmpty()) ++m_parte;
        MostrarEntrada();
        return true;
    }
    switch (key) {
    case Qt::Key_Backspace:
        if (m_partes[m_parte].isEmpty() && m_parte > 0) --m_parte;
        m_partes[m_parte].chop(1);
        if (m_parte == 0 && m_partes[0].isEmpty())
            CancelarEntrada();
        else
            MostrarEntrada();
        return true;
    case Qt::Key_Escape: CancelarEntrada(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Taken (or refused) before the key goes on; a refused one keeps it.
        return !TerminarEntrada();
    default:
        // Arrows and the like work on the date shown, as before typing.
        CancelarEntrada();
        return false;
    }
}

void DatePicker::MostrarEntrada()
{
    QString shown;
    const int widths[3] = {2, 2, 4};
    for (int i = 0; i < 3; ++i) {
        if (i) shown += QLatin1Char('/');
        shown += m_partes[i].leftJustified(widths[i], QLatin1Char('_'), true);
    }
    const QSignalBlocker quiet(static_cast<CajaFecha*>(m_edit)->texto());
    static_cast<CajaFecha*>(m_edit)->texto()->setText(shown);
    int at = 0;
    for (int i = 0; i < m_parte; ++i) at += widths[i] + 1;
    static_cast<CajaFecha*>(m_edit)->texto()->setCursorPosition(at + int(m_partes[m_parte].size()));
}

void DatePicker::CancelarEntrada()
{
    if (!m_escribiendo) return;
    m_escribiendo = false;
    const QSignalBlocker quiet(static_cast<CajaFecha*>(m_edit)->texto());
    static_cast<CajaFecha*>(m_edit)->texto()->setText(m_edit->date().toString(kFormato));
}

bool DatePicker::TerminarEntrada()
{
    if (!m_escribiendo) return true;
    if (m_partes[0].isEmpty() || m_partes[1].isEmpty() || m_partes[2].size() != 4) {
        Rechazar(QStringLiteral("Ingrese la fecha completa: día, mes y año de cuatro cifras (dd/mm/aaaa)"));
        return false;
    }
    const QDate d(m_partes[2].toInt(), m_partes[1].toInt(), m_partes[0].toInt());
    const QString typed = m_partes[0].rightJustified(2, QLatin1Char('0')) + QLatin1Char('/')
        + m_partes[1].rightJustified(2, QLatin1Char('0')) + QLatin1Char('/') + m_partes[2];
    if (!d.isValid()) {
        Rechazar(QStringLiteral("La fecha ") + typed + QStringLiteral(" no existe"));
        return false;
    }
    if (d > MaxDate()) {
        Rechazar(QStringLiteral("La fecha no puede ser posterior al ") + MaxDate().toString(kFormato));
        return false;
    }
    if (d < MinDate()) {
        Rechazar(QStringLiteral("La fecha no puede ser anterior al ") + MinDate().toString(kFormato));
        return false;
    }
    m_escribiendo = false;
    if (d == m_edit->date()) {
        CancelarEntrada();
    } else {
        m_edit->setDate(d);  // raises Change
    }
    m_edit->setSelectedSection(QDateTimeEdit::DaySection);
    return true;
}

void DatePicker::Rechazar(const QString& mensaje)
{
    CancelarEntrada();
    QString title;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* f = qobject_cast<Form*>(w)) {
            title = f->Caption();
            break;
        }
    MsgBox(mensaje, vbInformation, title);
    m_edit->setFocus();
    m_edit->setSelectedSection(QDateTimeEdit::DaySection);
}

}  // namespace forms
