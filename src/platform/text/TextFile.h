#pragma once
// Single-byte text files for the export: Windows-1252, CR LF after every
// line, characters outside the code page written as "?".

#include <QByteArray>
#include <QString>
#include <memory>

namespace text {

QByteArray ToWindows1252(const QString& s);

class FileGroup;

// Written as a NewFile: the file takes its place whole at Close, or not at all.
class TextFile {
public:
    // Throws platform::Error when the file cannot be made.
    explicit TextFile(const QString& path);
    // One of several files that change together: Close only prepares it,
    // and the group's Commit puts them all in place.
    TextFile(FileGroup& group, const QString& path);
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
