// The choice of the one image an icon file's pointer is drawn from, and the refusal of every
// directory that could make the loader decode more than that one image or read outside the file.
#include <doctest/doctest.h>

#include "runtime/icondirectory.h"
#include "runtime/runtimeerror.h"
#include "tests/support/iconbytes.h"

#include <algorithm>
#include <string>

using freefall::choosePointerImage;
using freefall::IconImage;
using freefall::readIconDirectory;
using freefall::RuntimeError;
using namespace freefall::testing;

namespace {

bool refused(const Bytes &file)
{
    try {
        readIconDirectory(file);
        choosePointerImage(file);
    } catch (const RuntimeError &error) {
        return error.kind() == RuntimeError::Kind::InvalidPicture;
    }
    return false;
}

Bytes withByte(Bytes data, std::size_t at, std::uint8_t value)
{
    data.at(at) = value;
    return data;
}

Bytes withLittleEndian32(Bytes data, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        data.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    return data;
}

// A bitmap of the given height without its mask, and without a few more bytes if asked.
Bytes noMask(const Bytes &dib, int height, std::size_t lessBytes = 0)
{
    const std::size_t maskBytes = static_cast<std::size_t>(height) * 4;
    return Bytes(dib.begin(), dib.end() - static_cast<std::ptrdiff_t>(maskBytes + lessBytes));
}

const Bytes kSmall = dibImage(16, 16, 4);
const Bytes kGood = iconFile({kSmall});

} // namespace

TEST_CASE("a directory that is not sound is refused")
{
    struct Case
    {
        const char *name;
        Bytes file;
    };
    const std::size_t smallSize = kSmall.size();
    const Case cases[] = {
        {"empty file", {}},
        {"five bytes", Bytes(kGood.begin(), kGood.begin() + 5)},
        {"not an icon", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}},
        {"a cursor", withByte(kGood, 2, 2)},
        {"reserved word set", withByte(kGood, 0, 1)},
        {"no entries", Bytes{0, 0, 1, 0, 0, 0}},
        {"directory past the end", withByte(kGood, 4, 3)},
        {"entry past the end", iconFile({kSmall}, {{0, 0, 1}})},
        {"entry starting past the end", iconFile({kSmall}, {{0, 1 << 20, 0}})},
        {"offset and size wrapping around", iconFile({kSmall}, {{0, 0, 0xFFFFFFFFll}})},
        {"entry overlapping the directory", iconFile({kSmall}, {{0, -1, 0}})},
        {"entry of no bytes", iconFile({kSmall}, {{0, 0, -static_cast<std::int64_t>(smallSize)}})},
        {"entry repeated", iconFile({kSmall}, {{0}, {0}})},
        {"16,000 entries sharing one 256 x 256 bitmap",
         iconFile({dibImage(256, 256, 32)}, std::vector<IconEntry>(16000))},
        {"entries overlapping by one byte", iconFile({kSmall, kSmall}, {{0}, {1, -1, 0}})},
        {"entry inside another", iconFile({kSmall}, {{0}, {0, 40, -80}})},
        {"one good entry then one past the end", iconFile({kSmall, kSmall}, {{0}, {1, 0, 1}})},
    };
    for (const Case &c : cases) {
        CAPTURE(std::string(c.name));
        CHECK(refused(c.file));
    }
}

TEST_CASE("an image that a pointer cannot be, or that decoders read differently, is refused")
{
    struct Case
    {
        const char *name;
        Bytes image;
    };
    const Bytes dib = dibImage(16, 16, 8);
    const Bytes png = pngHeader(16, 16);
    const Case cases[] = {
        {"PNG of 30,000 x 30,000", pngHeader(30000, 30000)},
        {"PNG of 257 x 1", pngHeader(257, 1)},
        {"PNG of 1 x 257", pngHeader(1, 257)},
        {"PNG of 0 x 16", pngHeader(0, 16)},
        {"PNG of 2^31 x 2^31", pngHeader(0x80000000u, 0x80000000u)},
        {"PNG with a bit depth its colour type lacks", pngHeader(16, 16, 4, 2)},
        {"PNG of an unknown colour type", pngHeader(16, 16, 8, 5)},
        {"PNG with unknown interlacing", withByte(png, 28, 2)},
        {"PNG cut inside its header", Bytes(png.begin(), png.begin() + 20)},
        {"PNG whose first chunk is not the header", withByte(png, 12, 'X')},
        {"bitmap of 257 x 16", dibImage(257, 16, 32)},
        {"bitmap of 16 x 257", dibImage(16, 257, 32)},
        {"bitmap of 0 pixels wide", withLittleEndian32(dib, 4, 0)},
        {"bitmap of negative width", withLittleEndian32(dib, 4, 0xFFFFFFF0u)},
        {"bitmap of negative height", withLittleEndian32(dib, 8, 0xFFFFFFE0u)},
        {"bitmap of 30,000 x 30,000",
         withLittleEndian32(withLittleEndian32(dib, 4, 30000), 8, 60000)},
        {"bitmap height not counting the mask twice", withLittleEndian32(dib, 8, 31)},
        {"16-bit bitmap", dibImage(16, 16, 16)},
        {"2-bit bitmap", dibImage(16, 16, 2)},
        {"compressed bitmap", withLittleEndian32(dib, 16, 1)},
        {"larger info header", withLittleEndian32(dib, 0, 124)},
        {"8-bit bitmap listing 257 colours", withLittleEndian32(dib, 32, 257)},
        {"1-bit bitmap listing one colour", dibImage(16, 16, 1, 0xFFFFFFFF, 1)},
        {"palette bitmap without its mask", noMask(dib, 16)},
        {"palette bitmap one byte short", Bytes(dib.begin(), dib.end() - 1)},
        {"32-bit bitmap one byte short of its pixels", noMask(dibImage(16, 16, 32), 16, 1)},
        {"header alone", Bytes(dib.begin(), dib.begin() + 40)},
    };
    for (const Case &c : cases) {
        CAPTURE(std::string(c.name));
        CHECK(refused(iconFile({c.image})));
        // One bad image spoils the file even beside a good one.
        CHECK(refused(iconFile({kSmall, c.image})));
    }
}

TEST_CASE("the pointer image is the largest that fits 32 x 32, else the smallest")
{
    struct Case
    {
        const char *name;
        std::vector<Bytes> images;
        std::vector<IconEntry> entries;
        std::size_t chosen; // index into images
    };
    const Case cases[] = {
        {"one image", {dibImage(16, 16, 4)}, {}, 0},
        {"16, 32 and 48",
         {dibImage(16, 16, 32), dibImage(32, 32, 32), dibImage(48, 48, 32)},
         {},
         1},
        {"48, 32 and 16",
         {dibImage(48, 48, 32), dibImage(32, 32, 32), dibImage(16, 16, 32)},
         {},
         1},
        {"deeper colour at the same size",
         {dibImage(32, 32, 8), dibImage(32, 32, 32), dibImage(32, 32, 24)},
         {},
         1},
        {"first of two alike", {dibImage(32, 32, 32), dibImage(32, 32, 32)}, {}, 0},
        {"only larger ones: the smallest", {dibImage(64, 64, 32), dibImage(48, 48, 4)}, {}, 1},
        {"fitting beats deeper", {pngHeader(256, 256), dibImage(24, 24, 1)}, {}, 1},
        {"32 wide but 33 high does not fit", {dibImage(32, 33, 32), dibImage(20, 20, 4)}, {}, 1},
        {"PNG among bitmaps",
         {dibImage(16, 16, 32), pngHeader(32, 32), dibImage(48, 48, 32)},
         {},
         1},
        {"entries in reverse order of their images",
         {dibImage(16, 16, 4), dibImage(32, 32, 4)},
         {{1}, {0}},
         1},
        {"largest sizes allowed", {dibImage(256, 256, 24), pngHeader(256, 256)}, {}, 1},
        {"1-bit listing both colours", {dibImage(16, 16, 1, 0xFFFFFFFF, 2)}, {}, 0},
        {"32-bit without its mask", {dibImage(16, 16, 8), noMask(dibImage(16, 16, 32), 16)}, {}, 1},
        {"4-bit listing fewer colours", {dibImage(16, 16, 4, 0xFFFFFFFF, 5)}, {}, 0},
    };
    for (const Case &c : cases) {
        CAPTURE(std::string(c.name));
        const Bytes file = iconFile(c.images, c.entries);
        const IconImage image = choosePointerImage(file);
        const Bytes &expected = c.images[c.chosen];
        REQUIRE(image.offset + image.size <= file.size());
        CHECK(std::equal(file.begin() + static_cast<std::ptrdiff_t>(image.offset),
                         file.begin() + static_cast<std::ptrdiff_t>(image.offset + image.size),
                         expected.begin(), expected.end()));
        CHECK(image.encoding ==
              (expected[0] == 0x89 ? IconImage::Encoding::Png : IconImage::Encoding::Dib));
    }
}

TEST_CASE("the header's size and depth count, not the directory's")
{
    // Writers leave the directory's fields at 0 or wrong; here they claim 16 x 16 at 1 bit.
    Bytes file = iconFile({dibImage(48, 40, 24), pngHeader(20, 24, 16, 4)});
    for (std::size_t entry = 6; entry < 6 + 2 * 16; entry += 16) {
        file[entry] = 16;
        file[entry + 1] = 16;
        file[entry + 6] = 1;
    }
    const std::vector<IconImage> images = readIconDirectory(file);
    REQUIRE(images.size() == 2);
    CHECK(images[0].width == 48);
    CHECK(images[0].height == 40);
    CHECK(images[0].bitCount == 24);
    CHECK(images[1].width == 20);
    CHECK(images[1].height == 24);
    CHECK(images[1].bitCount == 32);
    CHECK(choosePointerImage(file).width == 20);
}
