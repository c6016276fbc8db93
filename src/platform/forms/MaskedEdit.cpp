#include "platform/forms/MaskedEdit.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace forms {

MaskedEdit::MaskedEdit(QWidget* parent) : QLineEdit(parent) {}

void MaskedEdit::setMask(const QString& mask)
{
    m_mask = mask;
    applyMask();
}

void MaskedEdit::setPromptChar(QChar c)
{
    m_prompt = c;
    applyMask();
}

void MaskedEdit::applyMask()
{
    if (m_mask.isEmpty()) {
        setInputMask(QString());
        return;
    }
    // Digit places may stay empty ('0'); every other mask character is a
    // literal, escaped so Qt's own mask letters mean nothing here.
    QString qt;
    for (QChar c : m_mask) {
        if (c == QChar('#'))
            qt += QChar('0');
        else
            qt += QChar('\\') + QString(c);
    }
    qt += QChar(';') + QString(m_prompt);
    setInputMask(qt);
}

QString MaskedEdit::Text() const { return displayText(); }

void MaskedEdit::setText(const QString& t)
{
    if (m_mask.isEmpty()) {
        QLineEdit::setText(t);
        return;
    }
    QString digits;
    for (QChar c : t)
        if (c.isDigit()) digits += c;
    // Qt fills the places from the text given without literals.
    QString filled;
    int d = 0;
    for (QChar c : m_mask) {
        if (c == QChar('#'))
            filled += d < digits.size() ? digits[d++] : QChar(' ');
        else
            filled += c;
    }
    QLineEdit::setText(digits.isEmpty() ? QString() : filled);
}

QString MaskedEdit::ClipText() const
{
    if (m_mask.isEmpty()) return QLineEdit::text();
    const QString shown = displayText();
    QString out;
    for (int i = 0; i < m_mask.size() && i < shown.size(); ++i)
        if (m_mask[i] == QChar('#') && shown[i].isDigit()) out += shown[i];
    return out;
}

int MaskedEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void MaskedEdit::setSelStart(int pos) { setCursorPosition(pos); }

int MaskedEdit::SelLength() const { return hasSelectedText() ? int(selectedText().size()) : 0; }

void MaskedEdit::setSelLength(int length)
{
    const int start = SelStart();
    if (length <= 0)
        setCursorPosition(start);
    else
        setSelection(start, length);
}

QSize MaskedEdit::sizeHint() const
{
    QSize s = QLineEdit::sizeHint();
    if (m_mask.isEmpty()) return s;
    // Wide enough for the whole mask, plus the frame and a little margin.
    const QFontMetrics fm(font());
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const int w = fm.horizontalAdvance(QString(m_mask.size() + 2, QChar('0')));
    return style()
        ->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(w, fm.height()), this)
        .expandedTo(QSize(0, s.height()));
}

}  // namespace forms
