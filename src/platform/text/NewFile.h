#pragma once
// Files that take their place whole or not at all: each is written beside
// its final place under a temporary name and synced to disk, and only then
// renamed over the file it replaces. A full disk, a read-only folder or a
// killed program never leaves a cut file nor loses the old one. Failures
// are platform::Error whose text says why ("El disco está lleno.") and
// names the file or the folder.

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace text {

class NewFile {
public:
    explicit NewFile(const QString& path);  // creates the temporary file
    ~NewFile();                             // unless it took its place, the temporary file goes
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    void Write(const char* data, qsizetype size);
    void Write(const QByteArray& bytes) { Write(bytes.constData(), bytes.size()); }
    // Every byte on disk and the file closed, still under its temporary name.
    void Prepare();
    // Prepared, then in place of the old file.
    void Commit();
    void Discard();

    const QString& Path() const { return m_path; }
    const QString& TemporaryPath() const { return m_temp; }
    bool Prepared() const { return m_prepared; }

private:
    friend class FileGroup;
    NewFile(const QString& path, const QString& temp, bool createNow);
    void create();
    void place();  // renames a prepared file over the old one
    [[noreturn]] void fail(int err);

    QString m_path, m_temp;
    int m_fd = -1;
    bool m_prepared = false, m_placed = false;
};

// Files that change together, such as the two files of an export: all are
// prepared before any replaces an old one. A journal in `journalFolder`
// names them first; once every file is on disk it is marked as confirmed,
// which is the moment the new files count as written. A run killed before
// that leaves the old files (and the journal lets start-up remove the
// temporary ones); killed after it, start-up finishes the renames, so the
// clerk never finds an old file beside a new one.
class FileGroup {
public:
    explicit FileGroup(const QString& journalFolder);
    ~FileGroup();  // unless committed, every temporary file and the journal go
    FileGroup(const FileGroup&) = delete;
    FileGroup& operator=(const FileGroup&) = delete;

    // The journal names the temporary file before it exists.
    NewFile& Add(const QString& path);
    // Every file added must be prepared.
    void Commit();

private:
    void writeJournal(bool confirmed);
    void discard();

    QString m_folder, m_journal;
    std::vector<std::unique_ptr<NewFile>> m_files;
    bool m_done = false;
};

// What a killed FileGroup left in the folder: confirmed groups are put in
// place, the others' temporary files removed. Called at start-up.
void FinishInterruptedGroups(const QString& journalFolder);

}  // namespace text
