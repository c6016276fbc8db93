#include "platform/text/TextFile.h"

#include "platform/errors/Error.h"
#include "platform/text/NewFile.h"

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

// Lines are gathered and written a block at a time.
struct TextFile::Impl {
    std::unique_ptr<NewFile> own;  // alone; in a group the group owns it
    NewFile* file = nullptr;
    QByteArray pending;
    bool open = false;

    void writePending()
    {
        if (pending.isEmpty()) return;
        try {
            file->Write(pending);
        } catch (...) {
            open = false;
            file->Discard();
            throw;
        }
        pending.clear();
    }
};

namespace {
constexpr qsizetype kBlock = 64 * 1024;
}

TextFile::TextFile(const QString& path) : d(std::make_unique<Impl>())
{
    d->own = std::make_unique<NewFile>(path);
    d->file = d->own.get();
    d->open = true;
}

TextFile::TextFile(FileGroup& group, const QString& path) : d(std::make_unique<Impl>())
{
    d->file = &group.Add(path);
    d->open = true;
}

TextFile::~TextFile()
{
    if (d && d->open) d->file->Discard();
}

void TextFile::WriteLine(const QString& line)
{
    if (!d->open) throw platform::RuntimeError(platform::ErrBadFileName);
    appendWindows1252(d->pending, line);
    d->pending.append("\r\n", 2);
    if (d->pending.size() >= kBlock) d->writePending();
}

void TextFile::Close()
{
    if (!d->open) return;
    d->writePending();
    d->open = false;
    try {
        if (d->own)
            d->file->Commit();
        else
            d->file->Prepare();
    } catch (...) {
        d->file->Discard();
        throw;
    }
}

}  // namespace text
