#include "support/Places.h"

#include "core/General.h"
#include "core/de1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <linux/capability.h>
#include <sqlcipher/sqlite3.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {
namespace {

// Capabilities are per thread on Linux; only the effective set changes.
bool setOverride(bool on)
{
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &head, data) != 0) return false;
    const __u32 bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (on)
        data[0].effective |= bits & data[0].permitted;
    else
        data[0].effective &= ~bits;
    return syscall(SYS_capset, &head, data) == 0;
}

bool hasOverride()
{
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    return syscall(SYS_capget, &head, data) == 0 && (data[0].effective & (1u << CAP_DAC_OVERRIDE));
}

}  // namespace

FullDisk::FullDisk(rlim_t bytes)
{
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit small = m_old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : m_folder(folder)
{
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                              | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    if (hasOverride()) m_droppedOverride = setOverride(false);
    // Proven by trying, as the code under test will.
    QFile probe(QDir(folder).filePath(QStringLiteral(".probe")));
    m_ok = !probe.open(QIODevice::WriteOnly);
    if (!m_ok) probe.remove();
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_droppedOverride) setOverride(true);
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

UnwritablePlace::UnwritablePlace(Kind kind, const QString& folder, rlim_t bytes)
{
    if (kind == ReadOnly)
        m_readOnly.emplace(folder);
    else
        m_full.emplace(bytes);
}

UnwritableDatabase::UnwritableDatabase(Kind kind, const QString& folder)
    : m_kind(kind), m_file(QDir(folder).filePath(General::DatabaseFileName()))
{
    ado::Connection& conn = de1::conn();
    if (kind == ReadOnlyDisk) {
        m_disk = std::make_unique<ReadOnlyDiskUnderTheEngine>();
        m_ok = true;
        return;
    }
    if (kind == Busy) {
        m_other = std::make_unique<ado::Connection>();
        m_other->Open(General::BuildConnectionString(folder));
        m_other->BeginTrans();
        m_oldTimeout = conn.busyTimeout();
        conn.setBusyTimeout(200);
        m_ok = true;
        return;
    }
    conn.Close();
    QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (hasOverride()) m_droppedOverride = setOverride(false);
    QFile probe(m_file);
    m_ok = !probe.open(QIODevice::ReadWrite);
    conn.Open(General::BuildConnectionString(folder));
}

QString UnwritableDatabase::Message() const
{
    switch (m_kind) {
    case Busy:
        return QStringLiteral("Error -2147467259: La base de datos está en uso por otra ventana o programa. "
                              "Espere un momento y vuelva a intentarlo.");
    case ReadOnly:
        return QStringLiteral("Error -2147467259: No se puede actualizar: la base de datos es de sólo lectura.");
    case ReadOnlyDisk:
        return QStringLiteral(
                   "Error -2147467259: No se puede actualizar: la base de datos es de sólo lectura, porque la "
                   "carpeta '%1' está en un disco de sólo lectura.")
            .arg(QDir::toNativeSeparators(QFileInfo(m_file).absolutePath()));
    }
    return {};
}

UnwritableDatabase::~UnwritableDatabase()
{
    ado::Connection& conn = de1::conn();
    if (m_kind == ReadOnlyDisk) return;
    if (m_kind == Busy) {
        m_other->RollbackTrans();
        conn.setBusyTimeout(m_oldTimeout);
        return;
    }
    conn.Close();
    if (m_droppedOverride) setOverride(true);
    QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    conn.Open(General::BuildConnectionString(QFileInfo(m_file).path()));
}

SmallDisk::SmallDisk(qint64 bytes) : m_bytes(bytes)
{
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    m_mount = dir.path();
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
    m_ok = ::mount("tmpfs", QFile::encodeName(m_mount).constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData())
        == 0;
    if (m_ok) QDir(m_mount).mkdir(QStringLiteral("salida"));
}

SmallDisk::~SmallDisk()
{
    if (m_ok) ::umount2(QFile::encodeName(m_mount).constData(), MNT_DETACH);
    QDir(m_mount).removeRecursively();
}

QString SmallDisk::folder() const { return QDir(m_mount).filePath(QStringLiteral("salida")); }

void SmallDisk::fill(qint64 room)
{
    empty();
    const QByteArray path = QFile::encodeName(QDir(m_mount).filePath(QStringLiteral("relleno")));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) return;
    const QByteArray block(4096, 'x');
    qint64 size = 0;
    for (;;) {
        const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
        if (n <= 0) break;
        size += n;
    }
    if (::ftruncate(fd, std::max<qint64>(0, size - room)) != 0) std::abort();
    ::close(fd);
}

void SmallDisk::empty() { QFile::remove(QDir(m_mount).filePath(QStringLiteral("relleno"))); }

bool SmallDisk::setReadOnly(bool readOnly)
{
    const QByteArray options = "size=" + QByteArray::number(m_bytes) + ",mode=0700";
    return m_ok
        && ::mount("tmpfs", QFile::encodeName(m_mount).constData(), "tmpfs",
                   MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0), options.constData())
        == 0;
}

namespace {

// The engine's own write calls, to fail them as a read-only disk does.
sqlite3_syscall_ptr& originalWrite(int which)
{
    static sqlite3_syscall_ptr calls[3] = {};
    return calls[which];
}
constexpr const char* kWriteCalls[3] = {"write", "pwrite", "pwrite64"};

ssize_t readOnlyWrite(int, const void*, size_t)
{
    errno = EROFS;
    return -1;
}

ssize_t readOnlyPwrite(int, const void*, size_t, off_t)
{
    errno = EROFS;
    return -1;
}

}  // namespace

ReadOnlyDiskUnderTheEngine::ReadOnlyDiskUnderTheEngine()
{
    sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    for (int i = 0; i < 3; ++i) {
        originalWrite(i) = vfs->xGetSystemCall(vfs, kWriteCalls[i]);
        if (!originalWrite(i)) continue;
        vfs->xSetSystemCall(vfs, kWriteCalls[i],
                            i == 0 ? reinterpret_cast<sqlite3_syscall_ptr>(&readOnlyWrite)
                                   : reinterpret_cast<sqlite3_syscall_ptr>(&readOnlyPwrite));
    }
}

ReadOnlyDiskUnderTheEngine::~ReadOnlyDiskUnderTheEngine()
{
    sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    for (int i = 0; i < 3; ++i)
        if (originalWrite(i)) vfs->xSetSystemCall(vfs, kWriteCalls[i], originalWrite(i));
}

}  // namespace testsupport
