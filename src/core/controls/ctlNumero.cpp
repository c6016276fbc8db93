#include "core/controls/ctlNumero.h"

#include "platform/errors/Error.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/LostFocus.h"
#include "platform/text/Text.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>

#include <charconv>

// The inner box: every key reaches the field's filter before the box sees
// it, after any key preview of the window (which works on the events before
// they are delivered here).
class ctlNumeroTextBox : public QLineEdit {
public:
    explicit ctlNumeroTextBox(ctlNumero* owner);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void deliver(int keyAscii, QKeyEvent* e, bool asTyped);
    ctlNumero* m_owner;
    bool m_inside = false;           // entered and not yet left
    bool m_enteringByMouse = false;  // the click that gave the focus is not over yet
};

namespace {

// The character code a key types, as the field's filter sees it, or -1 for
// keys that type nothing (arrows, Delete, Home...), which go to the box as
// they are.
int keyAsciiOf(const QKeyEvent* e)
{
    // Clipboard keys arrive as their control codes, whichever binding
    // (Ctrl+V, Shift+Insert) the user pressed, so that the filter stops
    // pasted text that no key could type.
    if (e->matches(QKeySequence::Paste)) return 22;
    if (e->matches(QKeySequence::Copy)) return 3;
    if (e->matches(QKeySequence::Cut)) return 24;
    if ((e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier && e->key() >= Qt::Key_A
        && e->key() <= Qt::Key_Z)
        return e->key() - Qt::Key_A + 1;
    return forms::KeyAsciiOf(*e);
}

// A value as the field writes it before formatting: to 15 significant
// digits, as Format reads a double, so that the noise of a product
// (0.011 x 5 = 0.05499999999999999) shows the cent it stands for.
QString plainText(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    double rounded = v;
    std::from_chars(buf, r.ptr, rounded);
    return text::CStr(rounded);
}

}  // namespace

ctlNumeroTextBox::ctlNumeroTextBox(ctlNumero* owner) : QLineEdit(owner), m_owner(owner)
{
    forms::OnLostFocus(this, [this] {
        m_inside = false;
        m_owner->txtLostFocus();
    });
}

void ctlNumeroTextBox::keyPressEvent(QKeyEvent* e)
{
    // Selecting all changes nothing the filter guards.
    if (e->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if ((e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::AltModifier) {
        e->ignore();  // mnemonics belong to the window
        return;
    }
    const int original = keyAsciiOf(e);
    if (original < 0) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    int k = original;
    m_owner->filterKey(k);
    if (k == 0) {
        e->accept();
        return;
    }
    deliver(k, e, k == original);
}

void ctlNumeroTextBox::deliver(int keyAscii, QKeyEvent* e, bool asTyped)
{
    // The box takes MaxLength characters from the keyboard; text given by
    // code is never cut.
    const int limit = m_owner->MaxLength();
    if (keyAscii >= 32 && limit > 0 && !isReadOnly() && text().size() - selectedText().size() >= limit) return;
    if (asTyped) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    QKeyEvent ev = forms::TeclaCambiada(*e, keyAscii);
    QLineEdit::keyPressEvent(&ev);
}

// Entering the field by a click selects its whole text, as entering by Tab
// does, so that what is typed replaces the value; a second click inside the
// field then places the cursor.
void ctlNumeroTextBox::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    if (m_enteringByMouse) selectAll();
}

void ctlNumeroTextBox::mouseMoveEvent(QMouseEvent* e)
{
    if (m_enteringByMouse) {
        e->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(e);
}

void ctlNumeroTextBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_enteringByMouse) {
        m_enteringByMouse = false;
        QLineEdit::mouseReleaseEvent(e);
        selectAll();
        return;
    }
    // The middle button would paste the selection clipboard past the filter.
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void ctlNumeroTextBox::focusInEvent(QFocusEvent* e)
{
    m_enteringByMouse = e->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(e);
    if (!m_inside) {
        m_inside = true;
        m_owner->txtGotFocus();
    }
}

// ---------------------------------------------------------------- ctlNumero

ctlNumero::ctlNumero(QWidget* parent) : QWidget(parent), txt(new ctlNumeroTextBox(this))
{
    txt->setObjectName(QStringLiteral("txt"));
    txt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Nothing but the keyboard filter puts text in: no paste from the
    // context menu, no drops, no input-method commits.
    txt->setContextMenuPolicy(Qt::NoContextMenu);
    txt->setAcceptDrops(false);
    txt->setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusProxy(txt);
    setFocusPolicy(txt->focusPolicy());
    // Lays out like a text box: one line high.
    setSizePolicy(txt->sizePolicy());

    m_thousands = m_locale.Thousands();
    m_decimal = m_locale.sDecimal();
    const QPalette system = QApplication::palette();
    m_enabledColour = system.color(QPalette::Base);     // window background
    m_disabledColour = system.color(QPalette::Button);  // button face
    m_zeros = QStringLiteral("00");
}

void ctlNumero::setMaxLength(std::int32_t length)
{
    if (length > 32767 || length < -32768) throw platform::RuntimeError(platform::ErrOverflow);
    if (length < 0) throw platform::RuntimeError(platform::ErrInvalidPropertyValue);
    m_maxLength = std::int16_t(length);
}

void ctlNumero::setCantidadDecimales(std::int16_t count)
{
    if (count < 0) throw platform::RuntimeError(platform::ErrInvalidCall);
    m_decimals = count;
    m_zeros = QString(count, QChar('0'));
}

void ctlNumero::ClearText() { txt->clear(); }

bool ctlNumero::Enabled() const { return !txt->isReadOnly(); }

void ctlNumero::Enabled(bool enabled)
{
    txt->setReadOnly(!enabled);
    // A locked field looks like one that takes no typing and is skipped by
    // Tab (a click still reaches it, to copy its value). The disabled group
    // keeps Qt's own look, for a field inside a disabled frame.
    txt->setFocusPolicy(enabled ? Qt::StrongFocus : Qt::ClickFocus);
    setFocusPolicy(txt->focusPolicy());
    QPalette p = txt->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::Base, enabled ? m_enabledColour : m_disabledColour);
    p.setColor(QPalette::Disabled, QPalette::Base, QApplication::palette().color(QPalette::Disabled, QPalette::Base));
    txt->setPalette(p);
}

double ctlNumero::Value() const
{
    QString s = txt->text();
    if (s.isEmpty()) return 0;
    if (!m_thousands.isEmpty()) s.remove(m_thousands);
    if (s == m_decimal) s.prepend(QChar('0'));
    return text::CDbl(s);
}

void ctlNumero::setValue(double value)
{
    txt->setText(plainText(value));
    txtLostFocusFormat();
}

QString ctlNumero::toString() const { return txt->text(); }

QString ctlNumero::toSQL() const
{
    QString s = txt->text();
    if (!m_thousands.isEmpty()) s.remove(m_thousands);
    if (!m_decimal.isEmpty()) s.replace(m_decimal, QStringLiteral("."));
    return s;
}

void ctlNumero::filterKey(int& k)
{
    const int point = '.';
    const int decimal = m_decimal.isEmpty() ? point : m_decimal.at(0).unicode();
    if (k == 13 || k == 8 || k == 27) {
        // passes as it is
    } else if ((k == point || k == decimal) && m_decimals >= 1) {
        // The point key always types the locale's separator, once. The
        // locale's own separator key is taken the same way, so that a comma
        // typed under es_AR is a decimal comma and not a lost key.
        k = txt->text().contains(m_decimal) ? 0 : decimal;
    } else if (!(k >= '0' && k <= '9')) {
        k = 0;
    }
    emit KeyPress(k);
}

void ctlNumero::txtGotFocus()
{
    if (!m_thousands.isEmpty() && txt->text().contains(m_thousands)) txt->setText(txt->text().remove(m_thousands));
    txt->selectAll();
}

void ctlNumero::txtLostFocus()
{
    txtLostFocusFormat();
    emit LostFocus();
}

void ctlNumero::txtLostFocusFormat()
{
    const QString mask = m_decimals != 0 ? QStringLiteral("###,###,##0.") + m_zeros : QStringLiteral("###,###,##0");
    // Empty text and text that is no number (a lone separator) stay as they are.
    const QString shown = text::Format(ado::Variant(txt->text()), mask);
    if (shown != txt->text()) txt->setText(shown);
}

void ctlNumero::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    // Disabled itself rather than by a frame around it: locked instead.
    if (e->type() == QEvent::EnabledChange && !isEnabled() && testAttribute(Qt::WA_ForceDisabled)) {
        QWidget::setEnabled(true);
        Enabled(false);
    }
}

void ctlNumero::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // 15 twips less each way: one pixel.
    txt->setGeometry(0, 0, qMax(0, width() - 1), qMax(0, height() - 1));
}

QSize ctlNumero::sizeHint() const { return txt->sizeHint() + QSize(1, 1); }
QSize ctlNumero::minimumSizeHint() const { return txt->minimumSizeHint() + QSize(1, 1); }
