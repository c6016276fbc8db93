#include "platform/forms/DatePicker.h"

#include "platform/errors/Error.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

namespace forms {

DatePicker::DatePicker(QWidget* parent) : QWidget(parent), m_check(new QCheckBox(this)), m_edit(new QDateEdit(this))
{
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
    m_edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
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

}  // namespace forms
