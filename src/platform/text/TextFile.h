#pragma once
// Single-byte text files for the export: Windows-1252, CR LF after every
// line, characters outside the code page written as "?".

#include <QByteArray>
#include <QString>

namespace text {

QByteArray ToWindows1252(const QString& s);

class TextFile {
public:
    // Creates (or truncates) the file; throws platform::Error on failure.
    explicit TextFile(const QString& path);
    ~TextFile();
    void WriteLine(const QString& line);
    void Close();

private:
    struct Impl;
    Impl* d;
};

}  // namespace text
