#pragma once
// The records of a declaration's export, the exchange format the authority
// receives: fixed-width lines of digits and blank-padded texts, without
// separators. Every field of every record goes through Encode, so a width
// or an encoding is decided in one place.

#include "platform/ado/Recordset.h"
#include "platform/ado/Variant.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

namespace ExportRecords {

enum class Encoding {
    Number23,  // the text padded on the left with zeros to the width
    Digits,    // a whole number, zero-padded on the left; longer ones whole
    Cents,     // the double times 100.0, rounded halves away from zero, zero-padded
    Text,      // left-aligned, padded with blanks and cut to the width
    Guide12,   // right-aligned in the width, every blank then a "0"
    Date,      // dd/MM/yyyy
    AsIs,      // the text unchanged
};

struct Field {
    Encoding encoding;
    int width;
    ado::Variant value;  // numbers from text are read in the locale, as shown
};

// Throws platform::Error 13 for a value that is not a number (or not a date).
QString Encode(const Field& field);
QString Record(std::initializer_list<Field> fields);

// The header from the list's current row: the grid's texts of PES_VW_CAB_DDJJ7351.
QString Header(const QStringList& row);
// One record from the current row of each export query, columns by name.
QString SalesLine(const ado::Recordset& rs);
QString Guide(const ado::Recordset& rs);
QString GuideLine(const ado::Recordset& rs);

// The records of one export query, one from each current row of its
// recordset. The columns are found by name once, when it is made (error
// 3265 for a missing one), for all the rows.
class Records {
public:
    enum class Kind { SalesLine, Guide, GuideLine };
    Records(Kind kind, const ado::Recordset& rs);
    QString Current() const;

    struct Column {
        Encoding encoding;
        int width;
        ado::Field field;
    };

private:
    std::vector<Column> m_columns;
    int m_width = 0;  // of a record, as the widths add up
};

// The part of both file names after "DJ" or "Gui": year, month in two
// digits, matrícula in five (20060500123).
QString FileSuffix(const QString& year, const QString& month, const QString& matricula);

// The three queries of the export for a declaration number of 23 digits.
QString SalesLinesSql(const QString& nroDJ);
QString GuidesSql(const QString& nroDJ);
QString GuideLinesSql(const QString& nroDJ);

}  // namespace ExportRecords
