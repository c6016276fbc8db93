#pragma once
// The numeric input field of the editors: one inner text box, txt, that
// takes digits and one decimal separator, shows the number grouped by
// thousands with a fixed count of decimals when the user leaves it, and
// hands the number over as a double, as the text shown, or as SQL text.
// The text shown is the source of truth for every reading.

#include "core/clsLocaleInfo.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>

class QLineEdit;

class ctlNumero : public QWidget {
    Q_OBJECT
public:
    explicit ctlNumero(QWidget* parent = nullptr);

    std::int32_t MaxLength() const { return m_maxLength; }
    void setMaxLength(std::int32_t length);  // 6 above 32767
    std::int16_t CantidadDecimales() const { return m_decimals; }
    void setCantidadDecimales(std::int16_t count);  // does not reformat the text
    void ClearText();
    // Locking, not disabling: a locked field keeps taking the focus and
    // shows the button-face colour. QWidget::setEnabled(false) on the field
    // itself (a loop over a window's controls, say) locks it the same way;
    // Enabled(true) unlocks it. A disabled frame around it greys it as usual.
    bool Enabled() const;
    void Enabled(bool enabled);
    double Value() const;  // 13 when the text is no number
    void setValue(double value);
    QString toString() const;
    QString toSQL() const;

    QLineEdit* textBox() const { return txt; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Every typed character after the field's own filter; a handler may
    // change the code or set it to 0 to drop the key.
    void KeyPress(int& KeyAscii);
    // The field has been left (after it reformatted its text).
    void LostFocus();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class ctlNumeroTextBox;
    void filterKey(int& keyAscii);
    void txtGotFocus();
    void txtLostFocus();
    void txtLostFocusFormat();

    QLineEdit* txt;
    clsLocaleInfo m_locale;
    QString m_thousands;  // read once, when the field is created
    QString m_decimal;
    std::int16_t m_decimals = 0;
    QString m_zeros;
    std::int16_t m_maxLength = 0;
    QColor m_enabledColour;
    QColor m_disabledColour;
};
