#pragma once
// A run-time error as the windows see it: a number and a Spanish text.
// Database errors add the statement that failed (AdoError); the other
// run-time errors of the program (type mismatch, overflow, bad argument,
// duplicate key in a collection) use the plain form.

#include <QString>
#include <exception>
#include <string>

namespace platform {

class Error : public std::exception {
public:
    Error(long number, QString description)
        : Number(number), Description(std::move(description)),
          m_what(QString::number(Number).toStdString() + ": " + Description.toStdString()) {}
    const char* what() const noexcept override { return m_what.c_str(); }

    long Number;
    QString Description;

private:
    std::string m_what;
};

// The usual run-time error numbers.
enum ErrNumber : long {
    ErrInvalidCall = 5,      // invalid procedure call or argument
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrDuplicateKey = 457,   // key already in a collection
    ErrCancel = 32755,       // a common dialog was cancelled
};

Error RuntimeError(long number);  // the error with its standard Spanish text

}  // namespace platform
