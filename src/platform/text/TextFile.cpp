#include "platform/text/TextFile.h"

#include "platform/errors/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace text {

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (High[i] != 0 && High[i] == c) return char(0x80 + i);
    return '?';
}

platform::Error fileError(long number, const QString& path = {})
{
    QString text = platform::ErrorText(number);
    // Which file, and that nothing existing was touched.
    const QString native = QDir::toNativeSeparators(path);
    if (number == platform::ErrPermissionDenied)
        text +=
            QStringLiteral(": no se puede crear un archivo en la carpeta '%1' (es de sólo lectura o no tiene permiso).")
                .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    else if (number == platform::ErrDiskFull || number == platform::ErrDeviceIO)
        text += QStringLiteral(". El archivo '%1' no se modificó.").arg(native);
    return platform::Error(number, text);
}

// One byte per UTF-16 unit, so a record keeps the width it was built
// with even when it holds a character outside the code page.
void appendWindows1252(QByteArray& out, const QString& s)
{
    const qsizetype at = out.size();
    out.resize(at + s.size());
    char* o = out.data() + at;
    for (QChar c : s) *o++ = toByte(c.unicode());
}

}  // namespace

QByteArray ToWindows1252(const QString& s)
{
    QByteArray out;
    appendWindows1252(out, s);
    return out;
}

// The file is written beside its final place and takes its name at Close:
// a run that fails half-way leaves neither a cut file nor a lost old one.
// Never written in place: where no file can be made beside it (a read-only
// folder) the export fails instead.
// Lines are gathered and written a block at a time, each write checked
// here, so that no failure can hide in a buffer flushed at commit.
struct TextFile::Impl {
    QSaveFile file;
    QString path;
    QByteArray pending;
    bool open = false;

    void writePending()
    {
        if (pending.isEmpty()) return;
        if (file.write(pending) != pending.size()) {
            const bool lleno = file.error() == QFileDevice::ResourceError;
            open = false;
            file.cancelWriting();
            throw fileError(lleno ? platform::ErrDiskFull : platform::ErrDeviceIO, path);
        }
        pending.clear();
    }
};

namespace {
constexpr qsizetype kBlock = 64 * 1024;
}

TextFile::TextFile(const QString& path) : d(std::make_unique<Impl>())
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.absoluteDir().exists()) throw fileError(76);
    if (info.isDir()) throw fileError(75);
    d->path = info.absoluteFilePath();
    d->file.setFileName(d->path);
    // Unbuffered: a write that fails while a buffer is flushed at commit is
    // not reported by QSaveFile, which would then put a cut file in place.
    if (!d->file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw fileError(d->file.error() == QFileDevice::OpenError || d->file.error() == QFileDevice::PermissionsError
                            ? platform::ErrPermissionDenied
                            : platform::ErrPathFileAccess,
                        d->path);
    d->open = true;
}

TextFile::~TextFile()
{
    if (d && d->open) d->file.cancelWriting();
}

void TextFile::WriteLine(const QString& line)
{
    if (!d->open) throw fileError(52);
    appendWindows1252(d->pending, line);
    d->pending.append("\r\n", 2);
    if (d->pending.size() >= kBlock) d->writePending();
}

void TextFile::Close()
{
    if (!d->open) return;
    d->writePending();
    d->open = false;
    if (!d->file.commit()) {
        const auto err = d->file.error();
        throw fileError(err == QFileDevice::ResourceError    ? platform::ErrDiskFull
                            : err == QFileDevice::WriteError ? platform::ErrDeviceIO
                                                             : platform::ErrPathFileAccess,
                        d->path);
    }
}

}  // namespace text
