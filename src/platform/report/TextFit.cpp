#include "platform/report/TextFit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QStringList>
#include <QTextLayout>
#include <array>
#include <cmath>
#include <deque>

namespace report {
namespace {

constexpr QChar kNoBreakSpace(0x00A0);
// Printers and the preview hint glyphs differently from the measure: keep a little room.
constexpr double kSlack = 0.97;

// Fonts are measured on a device of 1440 dots per inch, so that one dot is one twip.
const QPaintDevice* twipsDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = int(std::lround(1440 / 0.0254));
        img.setDotsPerMeterX(dotsPerMeter);
        img.setDotsPerMeterY(dotsPerMeter);
        return img;
    }();
    return &device;
}

// The width of a Latin-1 text as the sum of its characters' advances, kept
// per font: measuring the whole text costs some thousand times more, and
// nearly every value of a long report fits its box with room to spare.
// Only kerning sets the sum apart from the measure, by far less than the
// margin it is given; a text nearer its box than that is measured whole.
class Advances {
public:
    struct Table {
        QFont font;
        QFontMetricsF metrics;
        double height;
        std::array<double, 256> advance;

        // Negative when the text has a character outside Latin-1.
        double width(const QString& text)
        {
            double sum = 0;
            for (QChar c : text) {
                const char16_t u = c.unicode();
                if (u > 0xFF) return -1;
                if (advance[u] < 0) advance[u] = metrics.horizontalAdvance(c);
                sum += advance[u];
            }
            return sum;
        }
    };
    static constexpr double kMargin = 0.05;

    Table& of(const QFont& font)
    {
        for (Table& t : m_tables)
            if (t.font == font) return t;
        // The faces of a report are few; a program that keeps making new ones starts over.
        if (m_tables.size() >= 64) m_tables.clear();
        const QFontMetricsF fm(font, twipsDevice());
        m_tables.push_back({font, fm, fm.height(), {}});
        m_tables.back().advance.fill(-1);
        return m_tables.back();
    }

private:
    std::deque<Table> m_tables;
};

QFont sized(const QFont& font, double pt)
{
    QFont f(font);
    f.setPointSizeF(pt);
    return f;
}

// The text broken at word boundaries (inside a word only when the word is
// wider than the line) into lines of `width`.
QStringList wrapped(const QString& text, const QFont& font, double width)
{
    QTextLayout layout(text, font, const_cast<QPaintDevice*>(twipsDevice()));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

int linesIn(const QFont& font, double height)
{
    const QFontMetricsF fm(font, twipsDevice());
    return std::max(1, int(std::floor((height - fm.height()) / fm.lineSpacing())) + 1);
}

QString printed(QStringList lines) { return lines.join(QLatin1Char('\n')).replace(kNoBreakSpace, QLatin1Char(' ')); }

FittedText shrink(const QString& text, const QFont& font, QSizeF box)
{
    const double width = box.width() * kSlack;
    double pt = font.pointSizeF();
    QFont f = font;
    for (int i = 0; i < 40; ++i) {
        const QFontMetricsF fm(f, twipsDevice());
        const double w = fm.horizontalAdvance(text);
        const double scale =
            std::min(w > width ? width / w : 1.0, fm.height() > box.height() ? box.height() / fm.height() : 1.0);
        if (scale >= 1.0) break;
        // Glyph widths do not scale exactly with the size: step down until it fits.
        pt *= std::min(scale, 0.98);
        f = sized(font, pt);
    }
    return {QString(text).replace(kNoBreakSpace, QLatin1Char(' ')), f};
}

FittedText wrap(const QString& text, const QFont& font, QSizeF box, double minScale)
{
    const double width = box.width() * kSlack;
    const double full = font.pointSizeF();
    for (double pt = full;; pt = std::max(pt * 0.95, full * minScale)) {
        const QFont f = sized(font, pt);
        const QStringList lines = wrapped(text, f, width);
        const int room = linesIn(f, box.height());
        if (lines.size() <= room) return {printed(lines), f};
        if (pt <= full * minScale) {
            // What does not fit ends the last line, cut with "…".
            QStringList kept = lines.mid(0, room);
            kept.last() = QFontMetricsF(f, twipsDevice())
                              .elidedText(lines.mid(room - 1).join(QLatin1Char(' ')), Qt::ElideRight, width);
            return {printed(kept), f};
        }
    }
}

}  // namespace

bool ReadsAsNumber(const QString& text)
{
    bool digit = false;
    for (QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (!c.isSpace() && !QStringLiteral(".,/:-+()%").contains(c))
            return false;
    }
    return digit;
}

FittedText FitText(const QString& text, const QFont& font, QSizeF box, TextFit fit)
{
    // Most values fit on their one line as they are.
    static Advances advances;
    Advances::Table& t = advances.of(font);
    const double room = box.width() * kSlack, sum = t.width(text);
    const bool fits = (sum >= 0 && sum <= room * (1 - Advances::kMargin)) || t.metrics.horizontalAdvance(text) <= room;
    if (fits && t.height <= box.height()) return {QString(text).replace(kNoBreakSpace, QLatin1Char(' ')), font};
    if (fit == TextFit::Auto) fit = ReadsAsNumber(text) ? TextFit::Shrink : TextFit::Wrap;
    switch (fit) {
    case TextFit::Shrink: return shrink(text, font, box);
    case TextFit::WrapWhole: return wrap(text, font, box, 0.05);
    default: return wrap(text, font, box, kMinWrapScale);
    }
}

}  // namespace report
