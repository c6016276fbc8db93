#include "support/CommitLoop.h"

#include "platform/ado/Connection.h"
#include "platform/errors/Error.h"

namespace testsupport {

CommitLoop::CommitLoop(const QString& connectionString, const QString& sql)
    : m_thread([this, connectionString, sql] {
          try {
              ado::Connection c;
              c.Open(connectionString);
              while (!m_stop) {
                  c.Execute(sql);
                  ++m_commits;
              }
          } catch (const platform::Error& e) {
              const std::lock_guard lock(m_mutex);
              m_error = QStringLiteral("Error %1: %2").arg(e.Number).arg(e.Description);
              m_failed = true;
          }
      })
{
}

CommitLoop::~CommitLoop()
{
    m_stop = true;
    m_thread.join();
}

bool CommitLoop::waitFor(int n, std::chrono::milliseconds limit) const
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (m_commits < n) {
        if (m_failed || std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

QString CommitLoop::error() const
{
    const std::lock_guard lock(m_mutex);
    return m_error;
}

}  // namespace testsupport
