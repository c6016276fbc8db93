#include "core/clsLocaleInfo.h"

#include "platform/text/Text.h"

#include <QLocale>

namespace {

// Windows language ids of the locales the program may meet; a locale not
// listed takes its language's main country, then US English.
std::int32_t langIdOf(const QLocale& l)
{
    struct Entry {
        const char* name;
        std::int32_t id;
    };
    static const Entry table[] = {
        {"es_AR", 0x2C0A}, {"es_UY", 0x380A}, {"es_CL", 0x340A}, {"es_PY", 0x3C0A}, {"es_BO", 0x400A},
        {"es_PE", 0x280A}, {"es_MX", 0x080A}, {"es_ES", 0x0C0A}, {"es", 0x0C0A},    {"pt_BR", 0x0416},
        {"pt_PT", 0x0816}, {"pt", 0x0416},    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en", 0x0409},
        {"fr_FR", 0x040C}, {"fr", 0x040C},    {"de_DE", 0x0407}, {"de", 0x0407},    {"it_IT", 0x0410},
        {"it", 0x0410},
    };
    const QString name = l.name();  // "es_AR"; "C" for the C locale
    const QString lang = name.section(QLatin1Char('_'), 0, 0);
    for (const auto& e : table)
        if (name == QLatin1String(e.name)) return e.id;
    for (const auto& e : table)
        if (lang == QLatin1String(e.name)) return e.id;
    return 0x0409;
}

// 0 month-day-year, 1 day-month-year, 2 year-month-day, as Windows counts them.
QString orderOf(const QString& format)
{
    const auto d = format.indexOf(QLatin1Char('d'));
    const auto m = format.indexOf(QLatin1Char('M'));
    const auto y = format.indexOf(QLatin1Char('y'));
    if (y >= 0 && (d < 0 || y < d) && (m < 0 || y < m)) return QStringLiteral("2");
    if (m >= 0 && d >= 0 && m < d) return QStringLiteral("0");
    return QStringLiteral("1");
}

QString orderName(const QString& number)
{
    if (number == QLatin1String("1")) return QStringLiteral("DMY");
    if (number == QLatin1String("0")) return QStringLiteral("MDY");
    return QStringLiteral("YMD");
}

}  // namespace

clsLocaleInfo::clsLocaleInfo() { GetLCID(); }

std::int32_t clsLocaleInfo::GetLCID()
{
    m_lcid = langIdOf(QLocale::system());
    return m_lcid;
}

QString clsLocaleInfo::LocaleInfo(std::int32_t lcType) const
{
    const QLocale l = QLocale::system();
    QString answer;
    switch (lcType) {
    case LOCALE_SLANGUAGE:
        answer = QLocale::languageToString(l.language());
        if (l.territory() != QLocale::AnyTerritory)
            answer += QStringLiteral(" (") + QLocale::territoryToString(l.territory()) + QLatin1Char(')');
        break;
    case LOCALE_SNATIVELANGNAME: answer = l.nativeLanguageName(); break;
    case LOCALE_SCOUNTRY:
        if (l.territory() != QLocale::AnyTerritory) answer = QLocale::territoryToString(l.territory());
        break;
    case LOCALE_SNATIVECTRYNAME: answer = l.nativeTerritoryName(); break;
    case LOCALE_SDECIMAL: answer = text::DecimalSeparator(); break;
    case LOCALE_STHOUSAND: answer = text::ThousandsSeparator(); break;
    case LOCALE_SSHORTDATE: answer = l.dateFormat(QLocale::ShortFormat); break;
    case LOCALE_SLONGDATE: answer = l.dateFormat(QLocale::LongFormat); break;
    case LOCALE_IDATE: answer = orderOf(l.dateFormat(QLocale::ShortFormat)); break;
    case LOCALE_ILDATE: answer = orderOf(l.dateFormat(QLocale::LongFormat)); break;
    default: break;
    }
    // An answer ends at its first NUL, without blanks around; a separator
    // that is itself a blank (grouping by spaces) is kept.
    const auto nul = answer.indexOf(QChar(0));
    if (nul >= 0) answer.truncate(nul);
    if (lcType == LOCALE_SDECIMAL || lcType == LOCALE_STHOUSAND) return answer;
    return text::Trim(answer);
}

QString clsLocaleInfo::NativeLanguage() const { return LocaleInfo(LOCALE_SNATIVELANGNAME); }
QString clsLocaleInfo::Language() const { return LocaleInfo(LOCALE_SLANGUAGE); }
QString clsLocaleInfo::Thousands() const { return LocaleInfo(LOCALE_STHOUSAND); }
QString clsLocaleInfo::sDecimal() const { return LocaleInfo(LOCALE_SDECIMAL); }
QString clsLocaleInfo::ShortDateFormat() const { return LocaleInfo(LOCALE_SSHORTDATE); }
QString clsLocaleInfo::LongDateFormat() const { return LocaleInfo(LOCALE_SLONGDATE); }
QString clsLocaleInfo::NativeCountryName() const { return LocaleInfo(LOCALE_SNATIVECTRYNAME); }
QString clsLocaleInfo::CountryName() const { return LocaleInfo(LOCALE_SCOUNTRY); }
QString clsLocaleInfo::LongDateFormatOrder() const { return orderName(LocaleInfo(LOCALE_ILDATE)); }
QString clsLocaleInfo::DateFormatOrder() const { return orderName(LocaleInfo(LOCALE_IDATE)); }
