// The Windows resource script compiled by mingw-w64's windres: the version record's numbers
// and strings, and the icon group it carries for the shell.
#include "tests/versionrecord/littleendian.h"
#include "tests/versionrecord/resfile.h"
#include "tests/versionrecord/versionnode.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <iterator>

using namespace versionrecord;

namespace {

constexpr int rtIcon = 3;
constexpr int rtGroupIcon = 14;
constexpr int rtVersion = 16;

const Resource *find(const QList<Resource> &resources, int type, const ResourceId &name)
{
    for (const Resource &r : resources)
        if (r.type.number == type && r.name == name)
            return &r;
    return nullptr;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestVersionRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fixedFileInfo_data();
    void fixedFileInfo();
    void stringTable();
    void strings_data();
    void strings();
    void translation();
    void icon_data();
    void icon();

private:
    QList<Resource> resources;
    VersionNode root;
    const VersionNode *table = nullptr;
};

void TestVersionRecord::initTestCase()
{
    const QString windres = QStringLiteral(FREEFALL_WINDRES);
    if (windres.isEmpty())
        QSKIP("x86_64-w64-mingw32-windres not found (Debian package binutils-mingw-w64-x86-64)");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString res = dir.filePath(QStringLiteral("freefall.res"));
    QStringList arguments;
    // windres preprocesses with the cross gcc; without one, the host compiler does as well.
    if (QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-gcc")).isEmpty())
        arguments << QStringLiteral("--preprocessor=" FREEFALL_HOST_CXX)
                  << QStringLiteral("--preprocessor-arg=-E")
                  << QStringLiteral("--preprocessor-arg=-xc")
                  << QStringLiteral("--preprocessor-arg=-DRC_INVOKED");
    // The script names its files from the source root, as every include of the project does, and
    // the version number from where the build generates it.
    arguments << QStringLiteral("--include-dir=" FREEFALL_SOURCE_ROOT)
              << QStringLiteral("--include-dir=" FREEFALL_GENERATED_ROOT);
    arguments << QStringLiteral("-i") << QStringLiteral(FREEFALL_RC_SCRIPT) << QStringLiteral("-O")
              << QStringLiteral("res") << QStringLiteral("-o") << res;
    QProcess compiler;
    compiler.start(windres, arguments);
    QVERIFY2(compiler.waitForFinished(30000), qPrintable(compiler.errorString()));
    const QByteArray errors = compiler.readAllStandardError();
    QVERIFY2(compiler.exitStatus() == QProcess::NormalExit && compiler.exitCode() == 0,
             errors.constData());
    QVERIFY2(errors.isEmpty(), errors.constData());

    const auto parsed = readResFile(readAll(res));
    QVERIFY(parsed);
    resources = *parsed;
    const Resource *version = find(resources, rtVersion, {1, {}});
    QVERIFY2(version, "no version resource with id 1");
    QCOMPARE(version->language, 0x0409);
    const auto tree = parseVersionNode(version->data);
    QVERIFY(tree);
    root = *tree;
    QCOMPARE(root.key, QStringLiteral("VS_VERSION_INFO"));
    const VersionNode *fileInfo = root.child(QStringLiteral("StringFileInfo"));
    QVERIFY(fileInfo);
    QCOMPARE(fileInfo->children.size(), 1);
    table = &fileInfo->children.first();
}

void TestVersionRecord::fixedFileInfo_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("signature") << 0 << 0xFEEF04BDu;
    QTest::newRow("structure version") << 4 << 0x00010000u;
    QTest::newRow("file version major.minor") << 8 << FREEFALL_TEST_VERSION_MS;
    QTest::newRow("file version .0.0") << 12 << 0u;
    QTest::newRow("product version major.minor") << 16 << FREEFALL_TEST_VERSION_MS;
    QTest::newRow("product version .0.0") << 20 << 0u;
    QTest::newRow("flags mask") << 24 << 0x3Fu;
    QTest::newRow("flags") << 28 << 0u;
    // VOS__WINDOWS32, "32-bit Windows"; not VOS_NT_WINDOWS32 (0x00040004), which ties the
    // file to the NT line.
    QTest::newRow("OS: 32-bit Windows") << 32 << 0x00000004u;
    QTest::newRow("type: application") << 36 << 1u;
    QTest::newRow("subtype") << 40 << 0u;
    QTest::newRow("date high") << 44 << 0u;
    QTest::newRow("date low") << 48 << 0u;
}

void TestVersionRecord::fixedFileInfo()
{
    QFETCH(int, offset);
    QFETCH(quint32, expected);
    QVERIFY(!root.isText);
    QCOMPARE(root.value.size(), 52);
    QCOMPARE(le32(root.value, offset), expected);
}

void TestVersionRecord::stringTable()
{
    QCOMPARE(table->key, QStringLiteral("040904B0"));
    QStringList keys;
    for (const VersionNode &entry : table->children) {
        QVERIFY(entry.isText);
        QVERIFY(entry.children.isEmpty());
        keys << entry.key;
    }
    keys.sort();
    QCOMPARE(keys,
             QStringList({"Comments", "CompanyName", "FileDescription", "FileVersion",
                          "InternalName", "OriginalFilename", "ProductName", "ProductVersion"}));
    QVERIFY(!table->child(QStringLiteral("CompanyName"))->text().isEmpty());
}

void TestVersionRecord::strings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("FileVersion") << "FileVersion" << FREEFALL_TEST_VERSION;
    QTest::newRow("ProductVersion") << "ProductVersion" << FREEFALL_TEST_VERSION;
    QTest::newRow("FileDescription") << "FileDescription"
                                     << "Calculate gravity stopping distances";
    QTest::newRow("InternalName") << "InternalName"
                                  << "Freefall";
    QTest::newRow("OriginalFilename") << "OriginalFilename"
                                      << "Freefall.exe";
    QTest::newRow("Comments") << "Comments"
                              << "Be my guest!";
    QTest::newRow("ProductName") << "ProductName"
                                 << "Freefall";
}

void TestVersionRecord::strings()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const VersionNode *entry = table->child(key);
    QVERIFY(entry);
    QCOMPARE(entry->text(), expected);
    // The terminator belongs to the value: readers that trust the length must not cut it short.
    QCOMPARE(entry->value.size(), 2 * (expected.size() + 1));
}

void TestVersionRecord::translation()
{
    const VersionNode *varInfo = root.child(QStringLiteral("VarFileInfo"));
    QVERIFY(varInfo);
    const VersionNode *translation = varInfo->child(QStringLiteral("Translation"));
    QVERIFY(translation);
    QVERIFY(!translation->isText);
    QCOMPARE(translation->value.size(), 4);
    QCOMPARE(le16(translation->value, 0), 0x0409); // US English
    QCOMPARE(le16(translation->value, 2), 1200);   // UTF-16
}

void TestVersionRecord::icon_data()
{
    QTest::addColumn<int>("entryIndex");
    QTest::addColumn<int>("side");
    // The two designed images, then the sizes beyond 100 percent, largest first.
    const int sides[] = {32, 16, 256, 64, 48, 40, 24, 20};
    for (int i = 0; i < int(std::size(sides)); ++i)
        QTest::addRow("%dx%d", sides[i], sides[i]) << i << sides[i];
}

// The group lists the .ico's images, each stored as its own icon resource with the same bytes.
void TestVersionRecord::icon()
{
    QFETCH(int, entryIndex);
    QFETCH(int, side);
    // Qt's Windows platform plugin looks this name up for the default window icon.
    const Resource *group = find(resources, rtGroupIcon, {-1, QStringLiteral("IDI_ICON1")});
    QVERIFY(group);
    const QByteArray &g = group->data;
    QVERIFY(g.size() >= 6);
    QCOMPARE(le16(g, 2), 1);
    QCOMPARE(le16(g, 4), 8);
    QCOMPARE(g.size(), 6 + 8 * 14);

    // 256 pixels are a PNG, its side written as 0; the others 4-bit bitmaps of 16 colours.
    const bool png = side == 256;
    const qsizetype entry = 6 + 14 * entryIndex;
    QCOMPARE(quint8(g.at(entry)), side % 256);
    QCOMPARE(quint8(g.at(entry + 1)), side % 256);
    QCOMPARE(quint8(g.at(entry + 2)), png ? 0 : 16);
    QCOMPARE(le16(g, entry + 4), 1);
    QCOMPARE(le16(g, entry + 6), png ? 32 : 4);
    const Resource *image = find(resources, rtIcon, {le16(g, entry + 12), {}});
    QVERIFY(image);
    QCOMPARE(quint32(image->data.size()), le32(g, entry + 8));

    const QByteArray ico = readAll(QStringLiteral(FREEFALL_ICO));
    const qsizetype icoEntry = 6 + 16 * entryIndex;
    QVERIFY(ico.size() >= icoEntry + 16);
    QCOMPARE(image->data, ico.mid(le32(ico, icoEntry + 12), le32(ico, icoEntry + 8)));
}

QTEST_GUILESS_MAIN(TestVersionRecord)
#include "tst_versionrecord.moc"
