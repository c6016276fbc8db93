#pragma once
// Reader of the system locale's settings, asked by the numbers of the
// Windows locale constants the program uses. The answers come from
// QLocale::system(); the locale identifier is the Windows language id that
// corresponds to it.

#include <QString>
#include <cstdint>

class clsLocaleInfo {
public:
    // The constants this reader answers; any other gives "".
    enum LCType : std::int32_t {
        LOCALE_SLANGUAGE = 2,
        LOCALE_SNATIVELANGNAME = 4,
        LOCALE_SCOUNTRY = 6,
        LOCALE_SNATIVECTRYNAME = 8,
        LOCALE_SDECIMAL = 14,
        LOCALE_STHOUSAND = 15,
        LOCALE_SSHORTDATE = 31,
        LOCALE_SLONGDATE = 32,
        LOCALE_IDATE = 33,
        LOCALE_ILDATE = 34,
    };

    clsLocaleInfo();

    QString NativeLanguage() const;
    QString Language() const;
    QString Thousands() const;
    QString sDecimal() const;
    std::int32_t GetLCID();
    QString LocaleInfo(std::int32_t lcType) const;
    QString ShortDateFormat() const;
    QString LongDateFormat() const;
    QString NativeCountryName() const;
    QString CountryName() const;
    QString LongDateFormatOrder() const;
    QString DateFormatOrder() const;

private:
    std::int32_t m_lcid = 0;
};
