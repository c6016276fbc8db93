#pragma once
// Another instance saving one action after another: its own connection on
// the file, one statement committed in a loop on its own thread until the
// loop is destroyed.

#include <QString>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace testsupport {

class CommitLoop {
public:
    CommitLoop(const QString& connectionString, const QString& sql);
    ~CommitLoop();
    CommitLoop(const CommitLoop&) = delete;
    CommitLoop& operator=(const CommitLoop&) = delete;

    int commits() const { return m_commits; }
    // True once n commits are in; false when the loop failed or the time ran
    // out first, so that a test whose other instance is stuck fails at once.
    bool waitFor(int n, std::chrono::milliseconds limit = std::chrono::seconds(20)) const;
    // Why the loop stopped early, or empty.
    QString error() const;

private:
    std::atomic<int> m_commits{0};
    std::atomic<bool> m_stop{false}, m_failed{false};
    mutable std::mutex m_mutex;
    QString m_error;
    std::thread m_thread;
};

}  // namespace testsupport
