// The window icon: the committed files are what the generator writes, the .ico keeps the two
// designed 4-bit images with mask byte for byte and adds the sizes Windows asks for beyond 100
// percent (256 as a PNG), and Qt decodes them all into the intended picture; the larger sizes
// the generator draws for icon themes show the same picture.
#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString resourcesDir = QStringLiteral(FREEFALL_RESOURCES_DIR);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le(const QByteArray &data, qsizetype offset, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(data.at(offset + i));
    return v;
}

constexpr int directorySize = 6;
constexpr int entrySize = 16;
constexpr int infoHeaderSize = 40;

// The sides of the .ico's images in their order: the two designed ones first, then the sizes
// Windows asks for at 125 to 200 percent and Explorer's 256, largest first.
constexpr std::array<int, 8> icoSides{32, 16, 256, 64, 48, 40, 24, 20};
constexpr int pngEntry = 2;

int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// Written out independently of the generator's table, in BMP order, as 0xRRGGBB.
constexpr std::array<quint32, 16> standardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr QRgb black = 0xFF000000;
constexpr QRgb darkGrey = 0xFF808080;
constexpr QRgb lightGrey = 0xFFC0C0C0;
constexpr QRgb white = 0xFFFFFFFF;

// 0 to 3 for the four greys the picture may use, nothing for any other colour.
std::optional<int> greyLevel(QRgb pixel)
{
    static constexpr std::array<QRgb, 4> greys{black, darkGrey, lightGrey, white};
    const auto it = std::find(greys.begin(), greys.end(), pixel);
    if (it == greys.end())
        return std::nullopt;
    return static_cast<int>(it - greys.begin());
}

bool transparent(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

int topOpaqueRow(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!transparent(image, x, y))
                return y;
    return -1;
}

// The picture's design, whatever its size: a solid black head widening from a one-pixel tip, a
// light-grey shadow down and to the right, and a shaft that lightens downward from black to
// white in dithered steps of neighbouring greys, all in the four greys of the palette.
void checkArrow(const QImage &image)
{
    const int side = image.width();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
        QVERIFY(transparent(image, corner.x(), corner.y()));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            QVERIFY(transparent(image, x, y) || greyLevel(image.pixel(x, y)));

    // The tip is a single black pixel; below it the head widens row by row and stays solid
    // black up to the shadow on its right.
    const int tipY = topOpaqueRow(image);
    QVERIFY(tipY >= 0);
    int tipX = -1;
    for (int x = 0; x < side; ++x) {
        if (!transparent(image, x, tipY)) {
            QCOMPARE(tipX, -1);
            tipX = x;
        }
    }
    QCOMPARE(image.pixel(tipX, tipY), black);
    int previousHalf = -1;
    for (int y = tipY; y < tipY + side / 4; ++y) {
        int half = 0;
        while (tipX - half - 1 >= 0 && image.pixel(tipX - half - 1, y) == black)
            ++half;
        for (int x = tipX - half; x <= tipX + half; ++x)
            QCOMPARE(image.pixel(x, y), black);
        QVERIFY(half > previousHalf);
        previousHalf = half;
    }

    // The shadow lies down and to the right: it alone makes up the lowest row and the
    // rightmost column of the picture.
    int lowest = -1;
    int rightmost = -1;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (!transparent(image, x, y)) {
                lowest = std::max(lowest, y);
                rightmost = std::max(rightmost, x);
            }
    for (int x = 0; x < side; ++x)
        QVERIFY(transparent(image, x, lowest) || image.pixel(x, lowest) == lightGrey);
    for (int y = 0; y < side; ++y)
        QVERIFY(transparent(image, rightmost, y) || image.pixel(rightmost, y) == lightGrey);

    // The shaft: below the tip, between the black outlines left and right of the tip's
    // column, down to its black bottom edge. Read downward it lightens from black to white,
    // in dithered steps that mix only neighbouring greys.
    int shaftBottom = lowest;
    while (shaftBottom > tipY && image.pixel(tipX, shaftBottom) != black)
        --shaftBottom;
    QVERIFY(shaftBottom > tipY + side / 2);
    // The outline is a pixel wide at the window icon's sizes and grows with the larger ones.
    int interiorEnd = shaftBottom;
    while (interiorEnd > tipY && image.pixel(tipX, interiorEnd - 1) == black)
        --interiorEnd;
    int rightmostBlack = -1;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (image.pixel(x, y) == black)
                rightmostBlack = std::max(rightmostBlack, x);
    const QPoint shadowTip(tipX + rightmost - rightmostBlack, tipY + lowest - shaftBottom);
    QVERIFY(shadowTip.x() > tipX && shadowTip.y() > tipY);
    QCOMPARE(image.pixel(shadowTip), lightGrey);
    QVERIFY(transparent(image, shadowTip.x(), shadowTip.y() - 1));
    struct Row
    {
        int darkest;
        int lightest;
    };
    // The shaft's interior columns, from its last row, which is white; the shaft's rows start
    // below the head's base, the widest black row of the picture.
    int left = tipX;
    while (left > 0 && image.pixel(left - 1, interiorEnd - 1) != black)
        --left;
    int right = tipX;
    while (right < side - 1 && image.pixel(right + 1, interiorEnd - 1) != black)
        ++right;
    const auto blackRun = [&](int y) {
        if (image.pixel(tipX, y) != black)
            return 0;
        int from = tipX;
        while (from > 0 && image.pixel(from - 1, y) == black)
            --from;
        int to = tipX;
        while (to < side - 1 && image.pixel(to + 1, y) == black)
            ++to;
        return to - from + 1;
    };
    int headBase = tipY;
    for (int y = tipY; y < interiorEnd; ++y)
        if (blackRun(y) > blackRun(headBase))
            headBase = y;
    QVERIFY(blackRun(headBase) > right - left + 1);
    QList<Row> rows;
    for (int y = headBase + 1; y < interiorEnd; ++y) {
        Row row{4, -1};
        for (int x = left; x <= right; ++x) {
            QVERIFY2(!transparent(image, x, y), "the shaft's outline is broken");
            const int level = *greyLevel(image.pixel(x, y));
            row.darkest = std::min(row.darkest, level);
            row.lightest = std::max(row.lightest, level);
        }
        rows.append(row);
    }
    QCOMPARE(rows.first().lightest, 0);
    QCOMPARE(rows.last().darkest, 3);
    bool dithered = false;
    std::array<bool, 4> seen{};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QVERIFY2(rows[i].lightest - rows[i].darkest <= 1,
                 "a row mixes greys that are not neighbours");
        dithered = dithered || rows[i].lightest > rows[i].darkest;
        seen[std::size_t(rows[i].darkest)] = seen[std::size_t(rows[i].lightest)] = true;
        for (qsizetype j = i + 1; j < rows.size(); ++j)
            QVERIFY2(rows[j].lightest >= rows[i].darkest, "the shaft darkens downward");
    }
    QVERIFY(dithered);
    QVERIFY(std::all_of(seen.begin(), seen.end(), [](bool s) { return s; }));
}

} // namespace

class TestIcon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generatorOutputIsCommitted_data();
    void generatorOutputIsCommitted();
    void resourceIsTheCommittedIcon();
    void directory();
    void image_data();
    void image();
    void designedImagesKept();
    void pngImage();
    void decodedPicture_data();
    void decodedPicture();
    void themeSizes_data();
    void themeSizes();
    void pngMatchesIco_data();
    void pngMatchesIco();

private:
    QTemporaryDir generated;
    QByteArray ico;
};

void TestIcon::initTestCase()
{
    QVERIFY(generated.isValid());
    QProcess maker;
    maker.start(QStringLiteral(FREEFALL_ICONMAKER), {generated.path()});
    QVERIFY2(maker.waitForFinished(10000), qPrintable(maker.errorString()));
    QCOMPARE(maker.exitStatus(), QProcess::NormalExit);
    QVERIFY2(maker.exitCode() == 0, maker.readAllStandardError().constData());
    ico = readAll(resourcesDir + QStringLiteral("/freefall.ico"));
    QVERIFY(!ico.isEmpty());
}

void TestIcon::generatorOutputIsCommitted_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ico") << QStringLiteral("freefall.ico");
    QTest::newRow("png 32") << QStringLiteral("freefall-32.png");
    QTest::newRow("png 16") << QStringLiteral("freefall-16.png");
}

void TestIcon::generatorOutputIsCommitted()
{
    QFETCH(QString, name);
    const QByteArray written = readAll(generated.filePath(name));
    QVERIFY(!written.isEmpty());
    QVERIFY2(written == readAll(resourcesDir + u'/' + name),
             "rerun freefall_iconmaker into resources/ and commit its output");
}

void TestIcon::resourceIsTheCommittedIcon()
{
    QCOMPARE(readAll(QStringLiteral(":/icons/freefall.ico")), ico);
}

void TestIcon::directory()
{
    const int count = int(icoSides.size());
    QVERIFY(ico.size() >= directorySize + count * entrySize);
    QCOMPARE(le(ico, 0, 2), 0u);
    QCOMPARE(le(ico, 2, 2), 1u); // an icon, not a cursor
    QCOMPARE(le(ico, 4, 2), quint32(count));
    // The images follow the directory back to back and end the file: no gaps, no overlap.
    quint32 expectedOffset = directorySize + count * entrySize;
    for (int i = 0; i < count; ++i) {
        const int entry = directorySize + i * entrySize;
        QCOMPARE(le(ico, entry + 12, 4), expectedOffset);
        expectedOffset += le(ico, entry + 8, 4);
    }
    QCOMPARE(expectedOffset, static_cast<quint32>(ico.size()));
}

void TestIcon::image_data()
{
    QTest::addColumn<int>("entryIndex");
    QTest::addColumn<int>("side");
    for (int i = 0; i < int(icoSides.size()); ++i) {
        if (i != pngEntry)
            QTest::addRow("%dx%d", icoSides[std::size_t(i)], icoSides[std::size_t(i)])
                << i << icoSides[std::size_t(i)];
    }
}

void TestIcon::image()
{
    QFETCH(int, entryIndex);
    QFETCH(int, side);
    const int entry = directorySize + entryIndex * entrySize;
    QCOMPARE(le(ico, entry, 1), quint32(side));
    QCOMPARE(le(ico, entry + 1, 1), quint32(side));
    QCOMPARE(le(ico, entry + 2, 1), 16u);
    QCOMPARE(le(ico, entry + 3, 1), 0u);
    QCOMPARE(le(ico, entry + 4, 2), 1u);
    QCOMPARE(le(ico, entry + 6, 2), 4u);

    const int xorRow = rowBytes(side, 4);
    const int andRow = rowBytes(side, 1);
    const quint32 size = infoHeaderSize + 16 * 4 + side * (xorRow + andRow);
    QCOMPARE(le(ico, entry + 8, 4), size);

    const qsizetype at = le(ico, entry + 12, 4);
    QVERIFY(at + size <= quint32(ico.size()));
    QCOMPARE(le(ico, at, 4), quint32(infoHeaderSize));
    QCOMPARE(le(ico, at + 4, 4), quint32(side));
    QCOMPARE(le(ico, at + 8, 4), quint32(2 * side)); // colour bitmap plus mask
    QCOMPARE(le(ico, at + 12, 2), 1u);
    QCOMPARE(le(ico, at + 14, 2), 4u);
    QCOMPARE(le(ico, at + 16, 4), 0u); // uncompressed
    const quint32 colours = le(ico, at + 32, 4);
    QVERIFY(colours == 0 || colours == 16);

    const qsizetype palette = at + infoHeaderSize;
    for (int i = 0; i < 16; ++i) {
        const quint32 bgrx = le(ico, palette + 4 * i, 4);
        QCOMPARE(bgrx & 0xFFFFFF, standardPalette[std::size_t(i)]);
        QCOMPARE(bgrx >> 24, 0u);
    }

    // Where the mask lets the background through, the colour must be black, or shells that
    // combine the two bitmaps by XOR would tint the background there.
    const qsizetype colour = palette + 16 * 4;
    const qsizetype mask = colour + side * xorRow;
    int clear = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const auto maskByte = static_cast<quint8>(ico.at(mask + y * andRow + x / 8));
            if (!(maskByte & (0x80 >> (x % 8))))
                continue;
            ++clear;
            const auto colourByte = static_cast<quint8>(ico.at(colour + y * xorRow + x / 2));
            QCOMPARE((x % 2 == 0 ? colourByte >> 4 : colourByte & 0xF), 0);
        }
    }
    QVERIFY2(clear > 0 && clear < side * side, "the mask is neither empty nor full");
}

// The two designed images are those the program has always had: a change to the drawing of 16
// or 32 pixels is a change of the design, not of the generator.
void TestIcon::designedImagesKept()
{
    const auto imageBytes = [&](int entryIndex) {
        const int entry = directorySize + entryIndex * entrySize;
        return ico.mid(le(ico, entry + 12, 4), le(ico, entry + 8, 4));
    };
    QCOMPARE(QCryptographicHash::hash(imageBytes(0), QCryptographicHash::Sha256).toHex(),
             QByteArray("19c254f9a21fa52f9d0bf86a302ad80de65b847b44cbc18b141fad1db2c968c0"));
    QCOMPARE(QCryptographicHash::hash(imageBytes(1), QCryptographicHash::Sha256).toHex(),
             QByteArray("db0e135dcd34aeb53766c2f3a9bcb953e5721942e44d1a7f8aeaaefd1d74baf4"));
}

// Explorer's 256 pixels as Windows stores them: a PNG, its directory entry saying 0 for 256.
void TestIcon::pngImage()
{
    const int entry = directorySize + pngEntry * entrySize;
    QCOMPARE(le(ico, entry, 1), 0u);
    QCOMPARE(le(ico, entry + 1, 1), 0u);
    QCOMPARE(le(ico, entry + 2, 1), 0u);
    QCOMPARE(le(ico, entry + 6, 2), 32u);
    const QByteArray png = ico.mid(le(ico, entry + 12, 4), le(ico, entry + 8, 4));
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    // Compressed: a 256-pixel RGBA picture is 256 KiB raw.
    QVERIFY(png.size() < 16 * 1024);
    const QImage image = QImage::fromData(png, "png");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(256, 256));
    checkArrow(image.convertToFormat(QImage::Format_ARGB32));
}

void TestIcon::decodedPicture_data()
{
    QTest::addColumn<int>("imageIndex");
    QTest::addColumn<int>("side");
    for (int i = 0; i < int(icoSides.size()); ++i)
        QTest::addRow("%dx%d", icoSides[std::size_t(i)], icoSides[std::size_t(i)])
            << i << icoSides[std::size_t(i)];
}

void TestIcon::decodedPicture()
{
    QFETCH(int, imageIndex);
    QFETCH(int, side);
    QImageReader reader(resourcesDir + QStringLiteral("/freefall.ico"));
    QCOMPARE(reader.imageCount(), int(icoSides.size()));
    QVERIFY(reader.jumpToImage(imageIndex));
    const QImage decoded = reader.read();
    QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(decoded.size(), QSize(side, side));
    checkArrow(decoded.convertToFormat(QImage::Format_ARGB32));
}

void TestIcon::themeSizes_data()
{
    QTest::addColumn<int>("side");
    for (const int side : {48, 64, 128, 256})
        QTest::addRow("%dx%d", side, side) << side;
}

// The sizes icon themes and software centres take, drawn by the generator at build time.
void TestIcon::themeSizes()
{
    QFETCH(int, side);
    QImageReader reader(generated.filePath(u"freefall-%1.png"_qs.arg(side)), "png");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(side, side));
    checkArrow(image.convertToFormat(QImage::Format_ARGB32));
}

void TestIcon::pngMatchesIco_data()
{
    QTest::addColumn<int>("imageIndex");
    QTest::addColumn<QString>("png");
    QTest::newRow("32x32") << 0 << QStringLiteral("freefall-32.png");
    QTest::newRow("16x16") << 1 << QStringLiteral("freefall-16.png");
}

void TestIcon::pngMatchesIco()
{
    QFETCH(int, imageIndex);
    QFETCH(QString, png);
    QImageReader reader(resourcesDir + QStringLiteral("/freefall.ico"));
    QVERIFY(reader.jumpToImage(imageIndex));
    const QImage fromIco = reader.read().convertToFormat(QImage::Format_ARGB32);
    QImageReader pngReader(resourcesDir + u'/' + png, "png");
    const QImage fromPng = pngReader.read();
    QVERIFY2(!fromPng.isNull(), qPrintable(pngReader.errorString()));
    QCOMPARE(fromPng.convertToFormat(QImage::Format_ARGB32), fromIco);
}

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
