#pragma once
#include "platform/errors/Error.h"

namespace ado {

// What the Jet provider reports for nearly every failure, a duplicate key included.
constexpr long adErrGeneric = -2147467259;  // 0x80004005

class AdoError : public platform::Error {
public:
    AdoError(long number, QString description, QString sql = {})
        : platform::Error(number, std::move(description)), Sql(std::move(sql))
    {
    }
    QString Sql;  // the statement that failed, for logs and tests
};

}  // namespace ado
