#include "support/Support.h"

#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "platform/forms/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {
namespace {

// The databases every test copies, made once per run.
QString templateDb(bool sample)
{
    static QTemporaryDir dirs[2];
    static bool made[2] = {false, false};
    const int i = sample ? 1 : 0;
    if (!made[i]) {
        schema::CreateDatabase(dirs[i].path(), sample);
        made[i] = true;
    }
    return QDir(dirs[i].path()).filePath(General::DatabaseFileName());
}

}  // namespace

TempDb::TempDb(bool sample, bool open)
{
    if (!QFile::copy(templateDb(sample), path())) throw std::runtime_error("cannot copy the test database");
    QFile(path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (open) {
        if (de1::conn().State()) de1::conn().Close();
        de1::conn().Open(General::BuildConnectionString(folder()));
    }
}

TempDb::~TempDb()
{
    if (de1::conn().State() && de1::conn().ConnectionString().contains(folder())) de1::conn().Close();
}

QString TempDb::path() const { return QDir(m_dir.path()).filePath(General::DatabaseFileName()); }

MsgBoxRecorder::MsgBoxRecorder(std::deque<int> answers, int defaultAnswer)
    : m_answers(std::move(answers)), m_default(defaultAnswer)
{
    forms::SetMsgBoxHook([this](const QString& prompt, int style, const QString& title) {
        m_messages.push_back({prompt, style, title});
        if (m_answers.empty()) return m_default;
        const int a = m_answers.front();
        m_answers.pop_front();
        return a;
    });
}

MsgBoxRecorder::~MsgBoxRecorder() { forms::SetMsgBoxHook({}); }

QStringList MsgBoxRecorder::prompts() const
{
    QStringList all;
    for (const Message& m : m_messages) all << m.prompt;
    return all;
}

void Screenshot(QWidget* w, const QString& name)
{
    QString dir = qEnvironmentVariable("DJ_SCREENSHOTS");
    if (dir.isEmpty()) dir = QStringLiteral(DJ_SOURCE_DIR "/build/screenshots");
    QDir().mkpath(dir);
    Settle();
    const QPixmap shot = w->grab();
    EXPECT_TRUE(shot.save(QDir(dir).filePath(name + QStringLiteral(".png")))) << name.toStdString();
}

void Type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        int key = 0;
        // Qt's key codes for Latin-1 characters are their capital's code.
        if (c.unicode() < 256) key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

void Settle(int rounds)
{
    for (int i = 0; i < rounds; ++i) QApplication::processEvents();
}

}  // namespace testsupport
