#pragma once
// Helpers shared by the tests: a fresh database per test, scripted message
// boxes and screenshots.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

class QWidget;

namespace testsupport {

// A fresh copy of a database made once per run (schema + reference rows,
// and the sample rows when asked) in a temporary folder of its own.
// With open=true, de1.conn is (re)opened on it for the test.
class TempDb {
public:
    explicit TempDb(bool sample = false, bool open = true);
    ~TempDb();
    QString folder() const { return m_dir.path(); }
    QString path() const;

private:
    QTemporaryDir m_dir;
};

// Installs a MsgBox hook for its lifetime: records every message, and
// answers from the queue (vbOK when it runs out, or the default answer).
class MsgBoxRecorder {
public:
    struct Message {
        QString prompt;
        int style;
        QString title;
    };
    explicit MsgBoxRecorder(std::deque<int> answers = {}, int defaultAnswer = 1);
    ~MsgBoxRecorder();
    void answer(int result) { m_answers.push_back(result); }
    const std::vector<Message>& messages() const { return m_messages; }
    QStringList prompts() const;
    void clear() { m_messages.clear(); }

private:
    std::deque<int> m_answers;
    int m_default;
    std::vector<Message> m_messages;
};

// Saves a PNG of the widget under build/screenshots/<name>.png.
void Screenshot(QWidget* w, const QString& name);

// Types the text into the widget one key at a time, as the keyboard would
// (any character, accented ones included; QTest's key clicks take ASCII only).
void Type(QWidget* w, const QString& text);

// Processes pending events a few times (layouts, activation).
void Settle(int rounds = 3);

}  // namespace testsupport

#include <ostream>
// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
