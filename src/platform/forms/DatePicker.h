#pragma once
// A date field: a date edit with its calendar, shown "dd/MM/yyyy", and, when
// CheckBox is set, a check box in front meaning "this field holds a date";
// unchecked, the field holds no date (Value() is Null) and the date part is
// greyed. MinDate and MaxDate bound what the user can pick; setting a value
// outside them is error 380, as a value the field cannot show. Change is
// raised when the user changes the date or the check box, and when code
// sets another value.
//
// Typing: digits always start a whole date, day, month and year, over the
// one shown, wherever the cursor is and however the field got the focus;
// the slashes are optional (a slash, point, dash or blank ends a day or
// month typed with one digit). The date is taken when its year is complete;
// a date outside MinDate..MaxDate, one that does not exist, or one left
// half typed is refused with a message naming why, and the date shown
// before stays.

#include "platform/ado/Variant.h"

#include <QDate>
#include <QString>
#include <QWidget>

class QCheckBox;
class QDateEdit;

namespace forms {

class DatePicker : public QWidget {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    bool CheckBox() const { return m_checkBox; }
    void setCheckBox(bool on);

    // Null when the check box is shown and unchecked; else a Date.
    ado::Variant Value() const;
    bool HasValue() const;
    QDate Date() const;                    // the date shown, even when unchecked
    void setValue(QDate date);             // checks the box; 380 outside MinDate..MaxDate
    void setValue(const ado::Variant& v);  // Null or Empty: no date (needs CheckBox); else a date
    void setNoValue();                     // unchecks the box (shows it if hidden)

    QDate MinDate() const;
    void setMinDate(QDate d);  // a value before it moves up to it
    QDate MaxDate() const;
    void setMaxDate(QDate d);  // a value after it moves down to it

    // A date is being typed and is not complete yet: Enter belongs to it.
    bool Escribiendo() const { return m_escribiendo; }

    QDateEdit* dateEdit() const { return m_edit; }
    QCheckBox* checkBoxWidget() const { return m_check; }

signals:
    void Change();

private:
    friend class CajaFecha;
    void updateEnabled();
    // The typed date, one key at a time; false when the key is not the entry's.
    bool Tecla(int key, const QString& text);
    bool TerminarEntrada();  // false (after its message) when the entry cannot be taken
    void CancelarEntrada();
    void MostrarEntrada();
    void Rechazar(const QString& mensaje);

    QCheckBox* m_check;
    QDateEdit* m_edit;
    bool m_checkBox = false;
    bool m_setting = false;
    bool m_escribiendo = false;
    QString m_partes[3];  // day, month, year as typed
    int m_parte = 0;
};

}  // namespace forms
