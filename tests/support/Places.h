#pragma once
// Places a file cannot be written to, for tests of what a failed write
// leaves behind. Both act on the calling thread only and undo themselves.

#include "platform/ado/Connection.h"

#include <QString>
#include <memory>
#include <optional>
#include <sys/resource.h>

namespace testsupport {

// A disk that takes at most `bytes` more per file: writes past it fail as
// on a full disk (the limit of the file size, without its signal).
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// The folder made read-only, also for root (its override of file
// permissions is dropped while this lives). ok() is false when that could
// not be arranged.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_folder;
    bool m_droppedOverride = false;
    bool m_ok = false;
};

// One of the two, for a table of cases: a full disk (writes past `bytes`
// fail) or the folder read-only.
class UnwritablePlace {
public:
    enum Kind { Full, ReadOnly };
    UnwritablePlace(Kind kind, const QString& folder, rlim_t bytes);
    bool ok() const { return !m_readOnly || m_readOnly->ok(); }

private:
    std::optional<FullDisk> m_full;
    std::optional<ReadOnlyFolder> m_readOnly;
};

// Every write of the database engine fails as on a disk that turned
// read-only under the running program, until this goes.
class ReadOnlyDiskUnderTheEngine {
public:
    ReadOnlyDiskUnderTheEngine();
    ~ReadOnlyDiskUnderTheEngine();
    ReadOnlyDiskUnderTheEngine(const ReadOnlyDiskUnderTheEngine&) = delete;
    ReadOnlyDiskUnderTheEngine& operator=(const ReadOnlyDiskUnderTheEngine&) = delete;
};

// de1.conn's database as a save may find it, for a table of cases: held by
// another instance's write transaction (de1.conn waits only briefly for it),
// its file read-only (de1.conn reopened on it), or its disk turned
// read-only under the running program. Undone when it goes.
// ok() is false when this system cannot make the file read-only.
class UnwritableDatabase {
public:
    enum Kind { Busy, ReadOnly, ReadOnlyDisk };
    static constexpr Kind kinds[] = {Busy, ReadOnly, ReadOnlyDisk};
    UnwritableDatabase(Kind kind, const QString& folder);
    ~UnwritableDatabase();
    UnwritableDatabase(const UnwritableDatabase&) = delete;
    UnwritableDatabase& operator=(const UnwritableDatabase&) = delete;
    bool ok() const { return m_ok; }
    // What a save refused by it shows the clerk.
    QString Message() const;

private:
    Kind m_kind;
    QString m_file;
    std::unique_ptr<ReadOnlyDiskUnderTheEngine> m_disk;
    std::unique_ptr<ado::Connection> m_other;
    int m_oldTimeout = 0;
    bool m_droppedOverride = false;
    bool m_ok = false;
};

// A disk of `bytes` of its own (a tmpfs mounted on a temporary folder):
// fill() leaves it with little room, setReadOnly() turns it read-only.
// ok() is false when this system does not let the test mount one.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool ok() const { return m_ok; }
    // Where tests put their files; the filler sits beside it.
    QString folder() const;
    // Takes every free byte but `room` (rounded to the disk's 4 KB pages).
    void fill(qint64 room);
    void empty();  // gives back what fill() took
    bool setReadOnly(bool readOnly);

private:
    QString m_mount;
    qint64 m_bytes;
    bool m_ok = false;
};

}  // namespace testsupport
