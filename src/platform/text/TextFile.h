#pragma once
// Single-byte text files for the export: Windows-1252, CR LF after every
// line, characters outside the code page written as "?".

#include <QByteArray>
#include <QString>
#include <memory>

namespace text {

QByteArray ToWindows1252(const QString& s);

class TextFile {
public:
    // Creates (or truncates) the file; throws platform::Error on failure.
    explicit TextFile(const QString& path);
    ~TextFile();  // without Close, the file is left as it was before
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    void WriteLine(const QString& line);
    void Close();  // throws platform::Error when the file cannot be written

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace text
