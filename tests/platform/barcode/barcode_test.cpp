#include "platform/barcode/Barcode.h"
#include "support/Support.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What a reader decodes from the picture.
QString decode(const QImage& img)
{
    QTemporaryDir dir;
    const QString png = QDir(dir.path()).filePath(QStringLiteral("b.png"));
    if (!img.save(png)) return QStringLiteral("<not saved>");
    QProcess p;
    p.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), png});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

bool onlyBlackAndWhite(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) & 0xffffff;
            if (c != 0 && c != 0xffffff) return false;
        }
    return true;
}

const QString kCodigo =
    QStringLiteral("03105005030708123451123200605010000200620060615000000150000000000000000000000007");

TEST(Barcode, PicturesDecodeToTheirTextAtTheSizeGiven)
{
    struct Case {
        QString text;
        int w, h;
    };
    const Case cases[] = {
        {kCodigo, 990, 135},                                             // a payment code, at 1.5 times its object
        {QStringLiteral("9E107D9D372BB6826BD81D3542A419D6"), 900, 120},  // a checksum: letters and digits
    };
    for (const Case& c : cases) {
        barcode::Barcode b;
        b.setText(c.text);
        b.SizeTo(c.w, c.h);
        ASSERT_TRUE(b.Valid()) << b.ErrorText().toStdString();
        const QImage img = b.Picture();
        EXPECT_EQ(img.size(), QSize(c.w, c.h));
        EXPECT_TRUE(onlyBlackAndWhite(img)) << "grey edges blur the bars";
        EXPECT_EQ(decode(img), c.text);
        // The drawing spans the unit square the report stretches it over.
        const QRectF br = b.Drawing().boundingRect();
        EXPECT_GT(br.left(), 0.01);  // the quiet zone
        EXPECT_LT(br.right(), 0.99);
        EXPECT_DOUBLE_EQ(br.height(), 1.0);
    }
}

TEST(Barcode, ANewTextRedrawsAndEmptyTextDrawsNoBars)
{
    barcode::Barcode b;
    b.SizeTo(600, 100);
    b.setText(QStringLiteral("12345678"));
    const QImage first = b.Picture();
    b.setText(QStringLiteral("87654321"));
    EXPECT_EQ(decode(b.Picture()), QStringLiteral("87654321"));
    EXPECT_NE(first, b.Picture());

    b.setText(QString());
    EXPECT_FALSE(b.Valid());
    EXPECT_FALSE(b.ErrorText().isEmpty());
    QImage white(600, 100, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(b.Picture(), white);
    EXPECT_EQ(b.Symbology(), QStringLiteral("Code 128"));
}

}  // namespace
