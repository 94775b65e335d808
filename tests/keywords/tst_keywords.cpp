// The pointer keywords typed into the feet-per-minute box, against icon files that the tests
// write under the keywords' exact paths, which on Linux are file names in the working directory.
#include "app/qt/frmfreefall.h"
#include "logic/boxes.h"
#include "runtime/qt/qtpicture.h"
#include "runtime/qt/regional/qtregionalsettings.h"
#include "runtime/runtimeerror.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

#include <memory>

using freefall::frmFreefall;
using freefall::MousePointer;
using freefall::QtPicture;
using freefall::RuntimeError;

namespace {

const QString kZinc = u"C:\\ICONS\\ZincBasalt.ico"_qs;
const QString kCobalt = u"C:\\icons\\cobalt.ico"_qs;
const QString kQuartz = u"C:\\ICONS\\quartz.ico"_qs;

// A valid icon of one colour, so the pointer shows which file it came from.
QByteArray iconBytes(QColor colour)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(u"icon.ico"_qs);
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(colour);
    QImageWriter writer(path, "ico");
    if (!writer.write(image))
        qFatal("cannot write an icon: %s", qPrintable(writer.errorString()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read back the icon");
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Broken variants of a good icon, by name.
QByteArray brokenIcon(const QByteArray &good, const QString &kind)
{
    if (kind == u"empty")
        return {};
    if (kind == u"truncated")
        return good.left(good.size() / 2);
    if (kind == u"truncated after the header")
        return good.left(10);
    if (kind == u"truncated by one byte")
        return good.left(good.size() - 1);
    if (kind == u"corrupt image data") {
        QByteArray bad = good;
        for (qsizetype i = 22; i < bad.size(); ++i)
            bad[i] = char(0xAB);
        return bad;
    }
    if (kind == u"corrupt directory") {
        QByteArray bad = good;
        bad[18] = char(0xFF); // the image's data offset, now far past the end
        bad[19] = char(0x7F);
        return bad;
    }
    if (kind == u"one image named by 8 entries") {
        // The good icon's one entry, eight times over, all naming its one image.
        constexpr int copies = 8;
        QByteArray entry = good.mid(6, 16);
        qToLittleEndian<quint32>(6 + 16 * copies, entry.data() + 12);
        QByteArray bad = good.left(6);
        qToLittleEndian<quint16>(copies, bad.data() + 4);
        for (int i = 0; i < copies; ++i)
            bad += entry;
        return bad + good.mid(6 + 16);
    }
    if (kind == u"not an icon")
        return QByteArray("GIF89a this is not an icon at all, only a name that says so");
    if (kind == u"over 1 MiB") {
        QByteArray big = good;
        big.append(QByteArray(QtPicture::kMaxFileBytes + 1 - good.size(), '\0'));
        return big;
    }
    qFatal("unknown kind %s", qPrintable(kind));
    return {};
}

QColor colourAtMiddle(const QCursor &cursor)
{
    const QImage image = cursor.pixmap().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestKeywords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void keywordTypedLetterByLetter_data();
    void keywordTypedLetterByLetter();
    void arrowRestoresDefault();
    void nearMissesDoNotMatch_data();
    void nearMissesDoNotMatch();
    void keywordAfterCalculation();
    void noKeywordInMetricMode();
    void brokenIconFile_data();
    void brokenIconFile();
    void fileOfExactlyTheLimitLoads();
    void loaderReportsWhy_data();
    void loaderReportsWhy();

private:
    QLineEdit *fpm() const { return window_->findChild<QLineEdit *>(u"txtImperialSpeed"_qs); }
    QCursor pointer() const { return window_->centralWidget()->cursor(); }
    void writeGoodIcons();
    void clearBox();

    QTemporaryDir directory_;
    QString previousDirectory_;
    QByteArray zincIcon_;
    QByteArray cobaltIcon_;
    QByteArray quartzIcon_;
    freefall::QtRegionalSettings regional_{QLocale::c()};
    std::unique_ptr<frmFreefall> window_;
};

void TestKeywords::initTestCase()
{
#ifdef Q_OS_WIN
    QSKIP("the keyword paths are absolute on Windows");
#endif
    QVERIFY(directory_.isValid());
    QVERIFY(QDir::setCurrent(directory_.path()));
    zincIcon_ = iconBytes(Qt::red);
    cobaltIcon_ = iconBytes(Qt::blue);
    quartzIcon_ = iconBytes(Qt::green);
}

void TestKeywords::init()
{
    writeGoodIcons();
    window_ = std::make_unique<frmFreefall>(regional_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(window_->mousePointer(), MousePointer::Default);
    QCOMPARE(pointer().shape(), Qt::ArrowCursor);
}

void TestKeywords::cleanup()
{
    window_.reset();
    const QString zinc = QDir::current().filePath(kZinc);
    QFile::setPermissions(zinc, QFile::ReadOwner | QFile::WriteOwner);
    QDir(zinc).removeRecursively();
}

void TestKeywords::writeGoodIcons()
{
    QDir(kZinc).removeRecursively();
    writeFile(kZinc, zincIcon_);
    writeFile(kCobalt, cobaltIcon_);
    writeFile(kQuartz, quartzIcon_);
}

void TestKeywords::clearBox()
{
    QTest::keySequence(fpm(), QKeySequence::SelectAll);
    QTest::keyClick(fpm(), Qt::Key_Delete);
    QCOMPARE(fpm()->text(), QString());
}

void TestKeywords::keywordTypedLetterByLetter_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("zinc") << u"zinc"_qs << QColor(Qt::red);
    QTest::newRow("cobalt") << u"cobalt"_qs << QColor(Qt::blue);
    QTest::newRow("quartz") << u"quartz"_qs << QColor(Qt::green);
}

void TestKeywords::keywordTypedLetterByLetter()
{
    QFETCH(QString, keyword);
    QFETCH(QColor, colour);

    for (qsizetype i = 0; i + 1 < keyword.size(); ++i) {
        QTest::keyClick(fpm(), keyword.at(i).toLatin1());
        QCOMPARE(fpm()->text(), keyword.left(i + 1));
        QCOMPARE(window_->mousePointer(), MousePointer::Default);
    }
    QTest::keyClick(fpm(), keyword.back().toLatin1());
    QCOMPARE(fpm()->text(), QString());
    QCOMPARE(window_->mousePointer(), MousePointer::Custom);
    QCOMPARE(pointer().shape(), Qt::BitmapCursor);
    QCOMPARE(colourAtMiddle(pointer()), colour);
    // Text boxes keep their text beam; the other controls show the window's pointer.
    QCOMPARE(fpm()->cursor().shape(), Qt::IBeamCursor);
    QCOMPARE(window_->findChild<QWidget *>(u"cmdCalculate"_qs)->cursor().shape(), Qt::BitmapCursor);
}

void TestKeywords::arrowRestoresDefault()
{
    QTest::keyClicks(fpm(), u"cobalt"_qs);
    QCOMPARE(window_->mousePointer(), MousePointer::Custom);
    QTest::keyClicks(fpm(), u"arro"_qs);
    QCOMPARE(window_->mousePointer(), MousePointer::Custom);
    QTest::keyClick(fpm(), Qt::Key_W);
    QCOMPARE(fpm()->text(), QString());
    QCOMPARE(window_->mousePointer(), MousePointer::Default);
    QCOMPARE(pointer().shape(), Qt::ArrowCursor);
}

void TestKeywords::nearMissesDoNotMatch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("paste");
    QTest::newRow("Zinc") << u"Zinc"_qs << false;
    QTest::newRow("ZINC") << u"ZINC"_qs << false;
    QTest::newRow("leading blank") << u" zinc"_qs << false;
    QTest::newRow("zinc1 pasted") << u"zinc1"_qs << true;
    QTest::newRow("trailing blank pasted") << u"zinc "_qs << true;
    QTest::newRow("Arrow") << u"Arrow"_qs << false;
    QTest::newRow("cobal") << u"cobal"_qs << false;
    QTest::newRow("quartzite pasted") << u"quartzite"_qs << true;
}

void TestKeywords::nearMissesDoNotMatch()
{
    QFETCH(QString, text);
    QFETCH(bool, paste);

    if (paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(fpm(), QKeySequence::Paste);
    } else {
        QTest::keyClicks(fpm(), text);
    }
    QCOMPARE(fpm()->text(), text);
    QCOMPARE(window_->mousePointer(), MousePointer::Default);
    QCOMPARE(pointer().shape(), Qt::ArrowCursor);
}

void TestKeywords::keywordAfterCalculation()
{
    QTest::keyClicks(fpm(), u"100"_qs);
    QTest::keyClick(fpm(), Qt::Key_Return);
    QCOMPARE(window_->findChild<QLineEdit *>(u"txtStopInches"_qs)->text(), u"0.52"_qs);
    QTest::keySequence(fpm(), QKeySequence::SelectAll);
    QTest::keyClicks(fpm(), u"quartz"_qs);
    for (const freefall::BoxDescription &box : freefall::kBoxes)
        QCOMPARE(
            window_->findChild<QLineEdit *>(QString::fromStdU16String(std::u16string(box.name)))
                ->text(),
            QString());
    QCOMPARE(window_->mousePointer(), MousePointer::Custom);
    QCOMPARE(colourAtMiddle(pointer()), QColor(Qt::green));
}

// The box is locked in Metric mode and only ever holds the converted speed.
void TestKeywords::noKeywordInMetricMode()
{
    QTest::mouseClick(window_->findChild<QRadioButton *>(u"optMetric"_qs), Qt::LeftButton);
    QVERIFY(!window_->imperialMode());
    QTest::keyClicks(fpm(), u"zinc"_qs);
    QCOMPARE(fpm()->text(), QString());
    QGuiApplication::clipboard()->setText(u"zinc"_qs);
    QTest::keySequence(fpm(), QKeySequence::Paste);
    QCOMPARE(fpm()->text(), QString());
    auto *mps = window_->findChild<QLineEdit *>(u"txtMetricSpeed"_qs);
    QTest::keyClicks(mps, u"50"_qs);
    QTest::keyClick(mps, Qt::Key_Return);
    QCOMPARE(fpm()->text(), u"9,842.52"_qs);
    QCOMPARE(window_->mousePointer(), MousePointer::Default);
}

void TestKeywords::brokenIconFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("pictureBefore");

    for (const char *kind :
         {"missing", "directory", "unreadable", "empty", "truncated", "truncated after the header",
          "truncated by one byte", "corrupt image data", "corrupt directory",
          "one image named by 8 entries", "not an icon", "over 1 MiB", "FIFO",
          "symbolic link loop"}) {
        QTest::addRow("%s, first picture", kind) << QString::fromLatin1(kind) << false;
        QTest::addRow("%s, after cobalt", kind) << QString::fromLatin1(kind) << true;
    }
}

// The trap ends the handler: the pointer value is already custom, the previous picture stays
// and so does the keyword; "arrow" then brings back the ordinary pointer.
void TestKeywords::brokenIconFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, pictureBefore);

    if (pictureBefore) {
        QTest::keyClicks(fpm(), u"cobalt"_qs);
        QCOMPARE(colourAtMiddle(pointer()), QColor(Qt::blue));
        QTest::keyClicks(fpm(), u"arrow"_qs);
        QCOMPARE(pointer().shape(), Qt::ArrowCursor);
    }

    QFile::remove(kZinc);
    if (kind == u"directory") {
        QVERIFY(QDir::current().mkdir(kZinc));
    } else if (kind == u"unreadable") {
        writeFile(kZinc, zincIcon_);
        QVERIFY(QFile::setPermissions(kZinc, QFile::WriteOwner));
        QFile probe(kZinc);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("running with rights that read any file");
    } else if (kind == u"FIFO") {
        QCOMPARE(::mkfifo(QFile::encodeName(kZinc).constData(), 0600), 0);
    } else if (kind == u"symbolic link loop") {
        QVERIFY(QFile::link(kZinc, kZinc));
    } else if (kind != u"missing") {
        writeFile(kZinc, brokenIcon(zincIcon_, kind));
    }

    QTest::keyClicks(fpm(), u"zinc"_qs);
    QCOMPARE(fpm()->text(), u"zinc"_qs);
    QCOMPARE(window_->mousePointer(), MousePointer::Custom);
    if (pictureBefore) {
        QCOMPARE(pointer().shape(), Qt::BitmapCursor);
        QCOMPARE(colourAtMiddle(pointer()), QColor(Qt::blue));
    } else {
        // A custom pointer with no picture loaded is the ordinary arrow.
        QCOMPARE(pointer().shape(), Qt::ArrowCursor);
    }

    clearBox();
    QTest::keyClicks(fpm(), u"arrow"_qs);
    QCOMPARE(fpm()->text(), QString());
    QCOMPARE(window_->mousePointer(), MousePointer::Default);
    QCOMPARE(pointer().shape(), Qt::ArrowCursor);
}

void TestKeywords::fileOfExactlyTheLimitLoads()
{
    QByteArray padded = zincIcon_;
    padded.append(QByteArray(QtPicture::kMaxFileBytes - zincIcon_.size(), '\0'));
    writeFile(kZinc, padded);
    QTest::keyClicks(fpm(), u"zinc"_qs);
    QCOMPARE(fpm()->text(), QString());
    QCOMPARE(colourAtMiddle(pointer()), QColor(Qt::red));
}

void TestKeywords::loaderReportsWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<RuntimeError::Kind>("error");

    QTest::newRow("missing") << u"missing"_qs << RuntimeError::Kind::FileNotFound;
    QTest::newRow("directory") << u"directory"_qs << RuntimeError::Kind::FileNotFound;
    for (const char *kind : {"empty", "truncated", "truncated after the header",
                             "truncated by one byte", "corrupt image data", "corrupt directory",
                             "one image named by 8 entries", "not an icon", "over 1 MiB"})
        QTest::newRow(kind) << QString::fromLatin1(kind) << RuntimeError::Kind::InvalidPicture;
}

void TestKeywords::loaderReportsWhy()
{
    QFETCH(QString, kind);
    QFETCH(RuntimeError::Kind, error);

    const QString path = u"picture.ico"_qs;
    QFile::remove(path);
    QDir(path).removeRecursively();
    if (kind == u"directory")
        QVERIFY(QDir::current().mkdir(path));
    else if (kind != u"missing")
        writeFile(path, brokenIcon(zincIcon_, kind));
    try {
        QtPicture::load(path);
        QFAIL("the file loaded");
    } catch (const RuntimeError &caught) {
        QCOMPARE(caught.kind(), error);
    }
    QDir(path).removeRecursively();
}

QTEST_MAIN(TestKeywords)
#include "tst_keywords.moc"
