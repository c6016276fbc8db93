#include "platform/text/NewFile.h"

#include "platform/errors/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace text {
namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }
QString folderOf(const QString& path) { return native(QFileInfo(path).absolutePath()); }

// Why a file could not be written, in the clerk's words, and that the old
// file (if any) is as it was.
platform::Error fileError(int err, const QString& path)
{
    const QString untouched = QFileInfo::exists(path)
        ? QStringLiteral(" El archivo '%1' no se modificó.").arg(native(path))
        : QStringLiteral(" El archivo '%1' no se creó.").arg(native(path));
    switch (err) {
    case ENOSPC:
    case EDQUOT: return platform::Error(platform::ErrDiskFull, QStringLiteral("El disco está lleno.") + untouched);
    case EROFS:
        return platform::Error(platform::ErrPermissionDenied,
                               platform::ErrorText(platform::ErrPermissionDenied)
                                   + QStringLiteral(": la carpeta '%1' está en un sistema de archivos de sólo lectura.")
                                         .arg(folderOf(path))
                                   + untouched);
    case EACCES:
    case EPERM:
        return platform::Error(
            platform::ErrPermissionDenied,
            platform::ErrorText(platform::ErrPermissionDenied)
                + QStringLiteral(": no se puede crear un archivo en la carpeta '%1' (es de sólo lectura o no tiene "
                                 "permiso).")
                      .arg(folderOf(path)));
    case ENOENT:
    case ENOTDIR:
        return platform::Error(platform::ErrPathNotFound,
                               platform::ErrorText(platform::ErrPathNotFound)
                                   + QStringLiteral(": la carpeta '%1' no existe.").arg(folderOf(path)));
    case EISDIR: return platform::RuntimeError(platform::ErrPathFileAccess);
    case EFBIG:
        return platform::Error(platform::ErrDeviceIO,
                               platform::ErrorText(platform::ErrDeviceIO)
                                   + QStringLiteral(": el archivo no cabe en el disco.") + untouched);
    default:
        return platform::Error(platform::ErrDeviceIO,
                               platform::ErrorText(platform::ErrDeviceIO) + QStringLiteral(" (%1).").arg(err)
                                   + untouched);
    }
}

QString temporaryNameFor(const QString& path)
{
    const QFileInfo info(path);
    return info.absoluteDir().filePath(QStringLiteral(".%1.%2.nuevo")
                                           .arg(info.fileName())
                                           .arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0')));
}

// The rename itself is on disk only once its folder is synced. File systems
// that cannot sync a folder say EINVAL; nothing more can be done there.
int syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int rc = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return rc;
}

constexpr char kJournalHead[] = "dj7351 archivos 1";
const QString kJournalPrefix = QStringLiteral(".dj7351-");
const QString kJournalSuffix = QStringLiteral(".diario");

}  // namespace

// ---------------------------------------------------------------- NewFile

NewFile::NewFile(const QString& path) : NewFile(path, temporaryNameFor(QFileInfo(path).absoluteFilePath()), true) {}

NewFile::NewFile(const QString& path, const QString& temp, bool createNow)
    : m_path(QFileInfo(path).absoluteFilePath()), m_temp(temp)
{
    if (path.isEmpty() || !QFileInfo(m_path).absoluteDir().exists()) fail(ENOENT);
    if (QFileInfo(m_path).isDir()) fail(EISDIR);
    if (createNow) create();
}

void NewFile::create()
{
    m_fd = ::open(QFile::encodeName(m_temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0) fail(errno);
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(QFile::encodeName(m_path).constData(), &old) == 0) ::fchmod(m_fd, old.st_mode & 07777);
}

NewFile::~NewFile() { Discard(); }

void NewFile::fail(int err)
{
    const platform::Error e = fileError(err, m_path);
    Discard();
    throw e;
}

void NewFile::Discard()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_placed && !m_temp.isEmpty()) ::unlink(QFile::encodeName(m_temp).constData());
    m_temp.clear();
}

void NewFile::Write(const char* data, qsizetype size)
{
    if (m_fd < 0 || m_prepared) throw platform::RuntimeError(platform::ErrBadFileName);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(size));
        if (n < 0 && errno == EINTR) continue;
        // A write that takes nothing and names no cause is a full disk.
        if (n <= 0) fail(n < 0 ? errno : ENOSPC);
        data += n;
        size -= n;
    }
}

void NewFile::Prepare()
{
    if (m_prepared) return;
    if (m_fd < 0) throw platform::RuntimeError(platform::ErrBadFileName);
    // A file system that writes late reports a full disk here, not at write.
    if (::fsync(m_fd) != 0) fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR) fail(errno);
    m_prepared = true;
}

void NewFile::place()
{
    if (!m_prepared) throw platform::RuntimeError(platform::ErrBadFileName);
    if (::rename(QFile::encodeName(m_temp).constData(), QFile::encodeName(m_path).constData()) != 0) fail(errno);
    m_placed = true;
}

void NewFile::Commit()
{
    Prepare();
    place();
    if (const int err = syncFolder(QFileInfo(m_path).absolutePath())) throw fileError(err, m_path);
}

// ---------------------------------------------------------------- FileGroup

FileGroup::FileGroup(const QString& journalFolder)
    : m_folder(QFileInfo(journalFolder).absoluteFilePath()),
      m_journal(QDir(m_folder).filePath(
          kJournalPrefix + QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'))
          + kJournalSuffix))
{
}

FileGroup::~FileGroup()
{
    if (!m_done) discard();
}

void FileGroup::discard()
{
    for (auto& f : m_files) f->Discard();
    ::unlink(QFile::encodeName(m_journal).constData());
    m_done = true;
}

// Written whole or not at all, like any other file: a journal is either
// the one before or the one after.
void FileGroup::writeJournal(bool confirmed)
{
    QByteArray text = kJournalHead;
    text += confirmed ? "\nconfirmado\n" : "\npreparando\n";
    for (const auto& f : m_files)
        text += QFile::encodeName(f->TemporaryPath()).toPercentEncoding() + ' '
            + QFile::encodeName(f->Path()).toPercentEncoding() + '\n';
    NewFile journal(m_journal);
    journal.Write(text);
    journal.Commit();
}

NewFile& FileGroup::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (path.isEmpty() || !QFileInfo(absolute).absoluteDir().exists()) throw fileError(ENOENT, absolute);
    if (QFileInfo(absolute).isDir()) throw fileError(EISDIR, absolute);
    // Named in the journal first, so that no temporary file is ever unknown to it.
    m_files.push_back(std::unique_ptr<NewFile>(new NewFile(absolute, temporaryNameFor(absolute), false)));
    try {
        writeJournal(false);
        m_files.back()->create();
    } catch (...) {
        discard();
        throw;
    }
    return *m_files.back();
}

void FileGroup::Commit()
{
    try {
        QSet<QString> made;
        for (auto& f : m_files) {
            f->Prepare();
            made.insert(QFileInfo(f->TemporaryPath()).absolutePath());
        }
        // The temporary files' names on disk too, before the journal counts on them.
        for (const QString& folder : made)
            if (const int err = syncFolder(folder)) throw fileError(err, QDir(folder).filePath(QString()));
        writeJournal(true);
    } catch (...) {
        discard();
        throw;
    }
    // From here the new files are the written ones: a failure now leaves
    // the journal for start-up to finish what is left.
    QSet<QString> folders;
    for (auto& f : m_files) {
        f->place();
        folders.insert(QFileInfo(f->Path()).absolutePath());
    }
    for (const QString& folder : folders)
        if (const int err = syncFolder(folder)) throw fileError(err, QDir(folder).filePath(QString()));
    m_done = true;
    ::unlink(QFile::encodeName(m_journal).constData());
    syncFolder(m_folder);
}

void FinishInterruptedGroups(const QString& journalFolder)
{
    const QDir dir(journalFolder);
    const QStringList entries =
        dir.entryList({kJournalPrefix + u'*', u'.' + kJournalPrefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : entries) {
        const QString path = dir.filePath(name);
        const QByteArray file = QFile::encodeName(path);
        // A journal's own temporary file: the journal before it stands.
        if (!name.endsWith(kJournalSuffix)) {
            ::unlink(file.constData());
            continue;
        }
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QList<QByteArray> lines = f.readAll().split('\n');
        f.close();
        if (lines.value(0) != kJournalHead) continue;
        const bool confirmed = lines.value(1) == "confirmado";
        bool finished = true;
        QSet<QString> folders;
        for (qsizetype i = 2; i < lines.size(); ++i) {
            const QList<QByteArray> pair = lines[i].split(' ');
            if (pair.size() != 2) continue;
            const QByteArray temp = QByteArray::fromPercentEncoding(pair[0]);
            const QByteArray final = QByteArray::fromPercentEncoding(pair[1]);
            if (::access(temp.constData(), F_OK) != 0) continue;  // already in place, or never made
            if (confirmed) {
                if (::rename(temp.constData(), final.constData()) != 0) finished = false;
                folders.insert(QFileInfo(QFile::decodeName(final)).absolutePath());
            } else {
                ::unlink(temp.constData());
            }
        }
        for (const QString& folder : folders)
            if (syncFolder(folder) != 0) finished = false;
        if (finished) ::unlink(file.constData());
    }
    syncFolder(journalFolder);
}

}  // namespace text
