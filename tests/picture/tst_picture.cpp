// The icon loader against hostile files: it decodes one image of sound size or refuses the file,
// and nothing a name can stand for makes it wait.
#include "runtime/qt/qtpicture.h"
#include "runtime/runtimeerror.h"
#include "tests/support/iconbytes.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <optional>
#include <string_view>
#include <thread>

using freefall::QtPicture;
using freefall::RuntimeError;
using namespace freefall::testing;

Q_DECLARE_METATYPE(std::optional<RuntimeError::Kind>)

namespace {

QByteArray toByteArray(const Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

Bytes toBytes(const QByteArray &bytes)
{
    return Bytes(bytes.begin(), bytes.end());
}

// A PNG as Qt writes it, of one colour, with an optional text that Qt stores compressed.
Bytes pngImage(int side, QColor colour, const QString &text = {})
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    if (!text.isEmpty())
        image.setText(u"Comment"_qs, text);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        qFatal("cannot write a PNG: %s", qPrintable(writer.errorString()));
    return toBytes(bytes);
}

void appendChunk(Bytes &png, std::string_view type, const Bytes &data)
{
    appendBigEndian32(png, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type.begin(), type.end());
    typed.insert(typed.end(), data.begin(), data.end());
    png.insert(png.end(), typed.begin(), typed.end());
    appendBigEndian32(
        png, static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

// An opaque white RGBA PNG made by hand: its rows, then as many zero bytes more as asked, in one
// zlib stream, spread over IDAT chunks of at most chunkBytes.
Bytes pngWithImageData(std::uint32_t side, std::size_t extraZeros, std::size_t chunkBytes)
{
    Bytes rows;
    for (std::uint32_t y = 0; y < side; ++y) {
        rows.push_back(0); // no filter
        rows.insert(rows.end(), 4 * std::size_t{side}, 0xFF);
    }
    rows.resize(rows.size() + extraZeros, 0);
    Bytes stream(compressBound(static_cast<uLong>(rows.size())));
    uLongf streamSize = static_cast<uLongf>(stream.size());
    if (compress2(stream.data(), &streamSize, rows.data(), static_cast<uLong>(rows.size()), 9) !=
        Z_OK)
        qFatal("cannot deflate");
    stream.resize(streamSize);

    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendBigEndian32(header, side);
    appendBigEndian32(header, side);
    header.insert(header.end(), {8, 6, 0, 0, 0});
    appendChunk(png, "IHDR", header);
    for (std::size_t at = 0; at < stream.size(); at += chunkBytes)
        appendChunk(
            png, "IDAT",
            Bytes(stream.begin() + std::ptrdiff_t(at),
                  stream.begin() + std::ptrdiff_t(std::min(at + chunkBytes, stream.size()))));
    appendChunk(png, "IEND", {});
    return png;
}

std::uint32_t argb(QColor colour)
{
    return colour.rgba();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

std::optional<RuntimeError::Kind> loadError(const QString &path)
{
    try {
        QtPicture::load(path);
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    return std::nullopt;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loads_data();
    void loads();
    void refuses_data();
    void refuses();
    void compressedTextNeverInflated();
    void nameStandsForNoFile_data();
    void nameStandsForNoFile();
    void onlyRegularFilesOpened_data();
    void onlyRegularFilesOpened();
    void fifoSwappedInWhileLoading();

private:
    QTemporaryDir directory_;
};

void TestPicture::initTestCase()
{
    QVERIFY(directory_.isValid());
    QVERIFY(QDir::setCurrent(directory_.path()));
}

void TestPicture::loads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");

    const QColor red(Qt::red), green(Qt::green), blue(Qt::blue);
    QTest::newRow("32-bit bitmap")
        << toByteArray(iconFile({dibImage(32, 32, 32, argb(red))})) << QSize(32, 32) << red;
    QTest::newRow("4-bit bitmap") << toByteArray(iconFile({dibImage(16, 16, 4, argb(blue))}))
                                  << QSize(16, 16) << blue;
    QTest::newRow("PNG") << toByteArray(iconFile({pngImage(24, green)})) << QSize(24, 24) << green;
    QTest::newRow("the 32 of 16, 32 and 48")
        << toByteArray(iconFile({dibImage(16, 16, 32, argb(red)), pngImage(32, green),
                                 dibImage(48, 48, 32, argb(blue))}))
        << QSize(32, 32) << green;
    QTest::newRow("only 256 x 256, scaled down")
        << toByteArray(iconFile({pngImage(256, blue)})) << QSize(32, 32) << blue;
    QTest::newRow("PNG with its image data in 200 chunks")
        << toByteArray(iconFile({pngWithImageData(32, 0, 2)})) << QSize(32, 32)
        << QColor(Qt::white);
    QTest::newRow("only 64 x 64 bitmap, scaled down")
        << toByteArray(iconFile({dibImage(64, 64, 24, argb(red))})) << QSize(32, 32) << red;
}

void TestPicture::loads()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);

    writeFile(u"picture.ico"_qs, file);
    const auto picture = QtPicture::load(u"picture.ico"_qs);
    QCOMPARE(picture->image().size(), size);
    QCOMPARE(picture->image().pixelColor(size.width() / 2, size.height() / 2), colour);
}

void TestPicture::refuses_data()
{
    QTest::addColumn<QByteArray>("file");

    const Bytes bitmap = dibImage(32, 32, 32);
    const Bytes png = pngImage(32, Qt::red);
    QTest::newRow("one bitmap named by 8 entries")
        << toByteArray(iconFile({bitmap}, std::vector<IconEntry>(8)));
    QTest::newRow("one PNG named by 8 entries")
        << toByteArray(iconFile({png}, std::vector<IconEntry>(8)));
    QTest::newRow("entry running into the next image")
        << toByteArray(iconFile({bitmap, png}, {{0, 0, 16}, {1}}));
    QTest::newRow("entry overlapping the directory")
        << toByteArray(iconFile({bitmap}, {{0, -4, 4}}));
    QTest::newRow("entry past the end") << toByteArray(iconFile({bitmap}, {{0, 0, 1}}));
    QTest::newRow("PNG header of 30,000 x 30,000")
        << toByteArray(iconFile({pngHeader(30000, 30000)}));
    QTest::newRow("bitmap of 300 x 300") << toByteArray(iconFile({dibImage(300, 300, 32)}));
    QTest::newRow("PNG of 300 x 300") << toByteArray(iconFile({pngImage(300, Qt::red)}));
    QTest::newRow("PNG header without image data") << toByteArray(iconFile({pngHeader(32, 32)}));
    // The decoder would inflate all of it, at a thousand times its size in a file of 1 MiB.
    QTest::newRow("PNG whose image data runs on past its rows")
        << toByteArray(iconFile({pngWithImageData(32, 8 << 20, 1 << 16)}));
    QTest::newRow("PNG whose image data is damaged") << [&png] {
        Bytes damaged = png;
        for (std::size_t i = 40; i + 20 < damaged.size(); ++i)
            damaged[i] ^= 0x5A;
        return toByteArray(iconFile({damaged}));
    }();
}

void TestPicture::refuses()
{
    QFETCH(QByteArray, file);
    writeFile(u"picture.ico"_qs, file);
    QCOMPARE(loadError(u"picture.ico"_qs), RuntimeError::Kind::InvalidPicture);
}

// A PNG's text chunks do not draw the picture, yet a decoder inflates them: a few hundred of
// 7 MB each would take gigabytes. None reaches the decoder, as the image's text shows.
void TestPicture::compressedTextNeverInflated()
{
    const Bytes png = pngImage(32, Qt::green, QString(7'000'000, u'x'));
    QVERIFY(png.size() < 100'000);
    writeFile(u"picture.ico"_qs, toByteArray(iconFile({png})));
    const auto picture = QtPicture::load(u"picture.ico"_qs);
    QCOMPARE(picture->image().pixelColor(16, 16), QColor(Qt::green));
    QVERIFY(picture->image().textKeys().isEmpty());
}

void TestPicture::nameStandsForNoFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<RuntimeError::Kind>("error");

    QTest::newRow("missing") << u"missing"_qs << RuntimeError::Kind::FileNotFound;
    QTest::newRow("FIFO") << u"FIFO"_qs << RuntimeError::Kind::FileNotFound;
    QTest::newRow("directory") << u"directory"_qs << RuntimeError::Kind::FileNotFound;
    QTest::newRow("symbolic link loop") << u"loop"_qs << RuntimeError::Kind::FileNotFound;
    QTest::newRow("device") << u"device"_qs << RuntimeError::Kind::FileNotFound;
    QTest::newRow("sparse file of 1 TiB") << u"sparse"_qs << RuntimeError::Kind::InvalidPicture;
    QTest::newRow("one byte over 1 MiB") << u"over"_qs << RuntimeError::Kind::InvalidPicture;
}

// Each refusal comes at once: a load that waited would hold the test up until its time limit.
void TestPicture::nameStandsForNoFile()
{
    QFETCH(QString, kind);
    QFETCH(RuntimeError::Kind, error);

    const QString name = u"name.ico"_qs;
    const QByteArray encoded = QFile::encodeName(name);
    QFile::remove(name);
    QDir(name).removeRecursively();
    if (kind == u"FIFO") {
        QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
    } else if (kind == u"directory") {
        QVERIFY(QDir::current().mkdir(name));
    } else if (kind == u"loop") {
        QCOMPARE(::symlink(encoded.constData(), encoded.constData()), 0);
    } else if (kind == u"device") {
        QCOMPARE(::symlink("/dev/zero", encoded.constData()), 0);
    } else if (kind == u"sparse") {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(1) << 40));
    } else if (kind == u"over") {
        QByteArray bytes = toByteArray(iconFile({dibImage(16, 16, 4)}));
        bytes.resize(QtPicture::kMaxFileBytes + 1);
        writeFile(name, bytes);
    }
    QCOMPARE(loadError(name), error);
    QFile::remove(name);
    QDir(name).removeRecursively();
}

void TestPicture::onlyRegularFilesOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opened");

    QTest::newRow("FIFO") << u"FIFO"_qs << false;
    QTest::newRow("directory") << u"directory"_qs << false;
    QTest::newRow("regular file") << u"regular"_qs << true;
}

// Opening a device can act (opening /dev/ptmx makes a terminal), so what is not a regular file
// is refused without being opened. The kernel reports every open of the target to a watch on
// it, which sees the regular file opened and nothing else, through a symbolic link too.
void TestPicture::onlyRegularFilesOpened()
{
    QFETCH(QString, kind);
    QFETCH(bool, opened);

    const QString target = u"target"_qs;
    const QByteArray encoded = QFile::encodeName(target);
    QFile::remove(target);
    QDir(target).removeRecursively();
    if (kind == u"FIFO")
        QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
    else if (kind == u"directory")
        QVERIFY(QDir::current().mkdir(target));
    else
        writeFile(target, toByteArray(iconFile({dibImage(16, 16, 4)})));
    QFile::remove(u"link.ico"_qs);
    QCOMPARE(::symlink("target", "link.ico"), 0);

    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, encoded.constData(), IN_OPEN) >= 0);
    for (const QString &name : {target, u"link.ico"_qs}) {
        const std::optional<RuntimeError::Kind> error = loadError(name);
        QCOMPARE(error.has_value(), !opened);
        alignas(inotify_event) char events[4096];
        const ssize_t got = ::read(watch, events, sizeof events);
        QVERIFY2((got > 0) == opened, qPrintable(name));
    }
    ::close(watch);
    QFile::remove(u"link.ico"_qs);
    QFile::remove(target);
    QDir(target).removeRecursively();
}

// Another process flips the name between a good icon and a FIFO while the loader runs, so the
// name may change between any check of it and its opening. Loads run on their own thread; if
// one is stuck in a FIFO, a writer opened at the end releases it and the test fails.
void TestPicture::fifoSwappedInWhileLoading()
{
    writeFile(u"good.ico"_qs, toByteArray(iconFile({dibImage(32, 32, 32)})));
    QFile::remove(u"fifo"_qs);
    QCOMPARE(::mkfifo("fifo", 0600), 0);
    const auto pointAt = [](const char *target) {
        ::unlink("next");
        return ::symlink(target, "next") == 0 && ::rename("next", "flipping.ico") == 0;
    };
    QVERIFY(pointAt("good.ico"));

    std::atomic<bool> stop = false;
    std::atomic<bool> finished = false;
    std::atomic<int> loaded = 0;
    std::thread loader([&] {
        for (int i = 0; i < 3000 && !stop; ++i) {
            if (!loadError(u"flipping.ico"_qs))
                ++loaded;
        }
        finished = true;
    });
    const QDeadlineTimer deadline(10000);
    for (int i = 0; !finished && !deadline.hasExpired(); ++i)
        QVERIFY(pointAt(i % 2 ? "good.ico" : "fifo"));
    const bool stuck = !finished;
    stop = true;
    while (!finished) {
        const int writer = ::open("fifo", O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        QTest::qWait(10);
    }
    loader.join();
    QVERIFY2(!stuck, "a load waited for a writer on the FIFO");
    QVERIFY(loaded > 0);
}

QTEST_GUILESS_MAIN(TestPicture)
#include "tst_picture.moc"
