#pragma once
// A run-time error as the windows see it: a number and a Spanish text.
// Every error the program raises itself is built here from its number, so
// each number has one text; database errors (ado::AdoError) add the
// statement that failed. Throw `RuntimeError(n)`; catch `platform::Error`.

#include <QString>
#include <exception>
#include <string>

namespace platform {

class Error : public std::exception {
public:
    Error(long number, QString description)
        : Number(number), Description(std::move(description)),
          m_what(QString::number(Number).toStdString() + ": " + Description.toStdString())
    {
    }
    const char* what() const noexcept override { return m_what.c_str(); }
    // What the log adds to the clerk's message: the engine's own text and
    // the statement that ran, for database errors.
    virtual QString EngineText() const { return {}; }
    virtual QString Statement() const { return {}; }

    long Number;
    QString Description;

private:
    std::string m_what;
};

// The run-time error numbers the program raises.
enum ErrNumber : long {
    ErrInvalidCall = 5,  // invalid procedure call or argument
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrBadFileName = 52,
    ErrDeviceIO = 57,
    ErrDiskFull = 61,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrInvalidPropertyValue = 380,
    ErrInvalidPropertyIndex = 381,
    ErrDuplicateKey = 457,        // key already in a collection
    ErrCancel = 32755,            // a common dialog was cancelled
    ErrIndexOutOfBounds = 35600,  // toolbar buttons
    ErrElementNotFound = 35601,
    ErrKeyNotUnique = 35602,
    // A save refused because another window changed or deleted what this
    // one read: what it was about to write is no longer what is stored.
    ErrConflicto = 3197,
};

// A save that another window overtook: the row this one read was changed
// or deleted, or its declaration or guide is gone. Its text is the whole
// message the clerk reads; nothing of the save is written.
class Conflicto : public Error {
public:
    explicit Conflicto(QString texto) : Error(ErrConflicto, std::move(texto)) {}
};

// The standard Spanish text of a run-time error number.
QString ErrorText(long number);
// The error with its standard text.
Error RuntimeError(long number);

}  // namespace platform
