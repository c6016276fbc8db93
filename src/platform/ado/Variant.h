#pragma once
// A database value as the windows read it. Conversions to and from text
// follow the locale and live in platform/text.

#include <QDate>
#include <QString>
#include <cstdint>
#include <variant>

namespace ado {

class Variant {
public:
    enum class Type { Empty, Null, Integer, Double, Text, Date };

    Variant() = default;
    static Variant Null()
    {
        Variant v;
        v.m_value = NullTag{};
        return v;
    }
    Variant(int v) : m_value(std::int64_t(v)) {}
    Variant(long v) : m_value(std::int64_t(v)) {}
    Variant(long long v) : m_value(std::int64_t(v)) {}
    Variant(double v) : m_value(v) {}
    Variant(const QString& v) : m_value(v) {}
    Variant(QString&& v) : m_value(std::move(v)) {}
    Variant(const char* v) : m_value(QString::fromUtf8(v)) {}
    Variant(QDate v) : m_value(v) {}

    Type type() const { return Type(m_value.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }
    bool isNumber() const { return type() == Type::Integer || type() == Type::Double; }

    // Plain accessors; the caller has checked type().
    std::int64_t integer() const { return std::get<std::int64_t>(m_value); }
    double real() const { return std::get<double>(m_value); }
    const QString& text() const { return std::get<QString>(m_value); }
    QDate date() const { return std::get<QDate>(m_value); }

    // Number of either kind as a double (0 for anything else).
    double toDouble() const;

    bool operator==(const Variant& o) const { return m_value == o.m_value; }

private:
    struct NullTag {
        bool operator==(const NullTag&) const { return true; }
    };
    struct EmptyTag {
        bool operator==(const EmptyTag&) const { return true; }
    };
    std::variant<EmptyTag, NullTag, std::int64_t, double, QString, QDate> m_value;
};

}  // namespace ado
