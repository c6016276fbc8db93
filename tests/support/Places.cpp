#include "support/Places.h"

#include "core/General.h"
#include "core/de1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <linux/capability.h>
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

QString UnwritableDatabase::Message(Kind kind)
{
    return kind == Busy ? QStringLiteral("Error -2147467259: La base de datos está en uso por otra ventana o programa. "
                                         "Espere un momento y vuelva a intentarlo.")
                        : QStringLiteral("Error -2147467259: No se puede actualizar: la base de datos es de sólo "
                                         "lectura.");
}

UnwritableDatabase::~UnwritableDatabase()
{
    ado::Connection& conn = de1::conn();
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

}  // namespace testsupport
