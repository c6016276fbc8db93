#pragma once
// How a text object's value is fitted into its box, so that what it prints
// stays inside the box: a number is never cut (its font gets smaller), a
// text goes onto the lines the box holds and is cut with "…" only when even
// a smaller font cannot hold it. A no-break space keeps two words on one
// line and prints as a space.

#include <QFont>
#include <QSizeF>
#include <QString>

namespace report {

enum class TextFit {
    Auto,       // Shrink when the text reads as a number, Wrap otherwise
    Shrink,     // one line, whole: the font is made as small as needed
    Wrap,       // the lines the box holds, the font down to kMinWrapScale of its size, then "…"
    WrapWhole,  // the lines the box holds, the font as small as needed: never cut
};

// The smallest part of its own size a wrapped text is shrunk to before it is cut.
constexpr double kMinWrapScale = 0.8;

struct FittedText {
    QString text;  // lines joined by '\n', as drawn
    QFont font;
};

// `box` in twips; the text is measured as the report's pages are drawn.
FittedText FitText(const QString& text, const QFont& font, QSizeF box, TextFit fit);

// Digits with their separators, signs and blanks: a printed number, date, CUIT or code.
bool ReadsAsNumber(const QString& text);

}  // namespace report
