#pragma once
#include "platform/errors/Error.h"

namespace ado {

// What the Jet provider reports for nearly every failure, a duplicate key included.
constexpr long adErrGeneric = -2147467259;  // 0x80004005

// Why the engine refused, which the number alone does not tell: several
// causes share adErrGeneric, and only a uniqueness violation is a duplicate.
enum class Causa {
    Otra,
    Duplicado,    // a unique key or index would repeat a value
    Ocupada,      // another connection holds the database past the wait
    SoloLectura,  // the file or its folder cannot be written
    Danada,       // the file is damaged
    Llena,        // the disk is full
};

class AdoError : public platform::Error {
public:
    AdoError(long number, QString description, QString sql = {}, Causa causa = Causa::Otra)
        : platform::Error(number, std::move(description)), Sql(std::move(sql)), causa(causa)
    {
    }
    QString EngineText() const override { return Motor; }
    QString Statement() const override { return Sql; }

    QString Sql;  // the statement that failed, for logs and tests
    Causa causa;
    QString Motor;  // the engine's own message and result code, for the log
};

}  // namespace ado
