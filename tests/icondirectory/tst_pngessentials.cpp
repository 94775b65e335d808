// A PNG handed to the decoder keeps the chunks that draw its pixels and nothing a decoder would
// inflate besides them.
#include <doctest/doctest.h>

#include "runtime/pngessentials.h"
#include "runtime/runtimeerror.h"
#include "tests/support/iconbytes.h"

#include <string>

using freefall::pngEssentials;
using freefall::pngImageData;
using freefall::RuntimeError;
using namespace freefall::testing;

namespace {

const Bytes kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

Bytes png(std::initializer_list<const char *> types)
{
    Bytes out = kSignature;
    for (const char *type : types)
        appendPngChunk(out, type, Bytes(std::string(type) == "IHDR" ? 13 : 5, 0xAB));
    return out;
}

template <typename Function> bool refusedBy(Function function, const Bytes &data)
{
    try {
        function(data);
    } catch (const RuntimeError &error) {
        return error.kind() == RuntimeError::Kind::InvalidPicture;
    }
    return false;
}

bool refused(const Bytes &data)
{
    return refusedBy(pngEssentials, data) && refusedBy(pngImageData, data);
}

} // namespace

TEST_CASE("ancillary chunks but transparency are dropped, the rest kept in order")
{
    struct Case
    {
        const char *name;
        Bytes in;
        Bytes out;
    };
    const Case cases[] = {
        {"nothing to drop", png({"IHDR", "IDAT", "IEND"}), png({"IHDR", "IDAT", "IEND"})},
        {"palette and transparency kept", png({"IHDR", "PLTE", "tRNS", "IDAT", "IDAT", "IEND"}),
         png({"IHDR", "PLTE", "tRNS", "IDAT", "IDAT", "IEND"})},
        {"text and profiles dropped", png({"IHDR", "iCCP", "zTXt", "IDAT", "tEXt", "iTXt", "IEND"}),
         png({"IHDR", "IDAT", "IEND"})},
        {"unknown critical chunk kept for the decoder to judge", png({"IHDR", "QQQQ", "IEND"}),
         png({"IHDR", "QQQQ", "IEND"})},
    };
    for (const Case &c : cases) {
        CAPTURE(std::string(c.name));
        CHECK(pngEssentials(c.in) == c.out);
    }
    Bytes trailing = png({"IHDR", "IDAT", "IEND"});
    trailing.insert(trailing.end(), 100, 0xCD);
    CHECK(pngEssentials(trailing) == png({"IHDR", "IDAT", "IEND"}));
}

TEST_CASE("the image data is the IDAT chunks' data joined")
{
    Bytes split = kSignature;
    appendPngChunk(split, "IHDR", Bytes(13, 0));
    appendPngChunk(split, "IDAT", Bytes{1, 2, 3});
    appendPngChunk(split, "tEXt", Bytes{9, 9});
    appendPngChunk(split, "IDAT", Bytes{});
    appendPngChunk(split, "IDAT", Bytes{4, 5});
    appendPngChunk(split, "IEND", Bytes{});
    appendPngChunk(split, "IDAT", Bytes{6}); // after the end
    CHECK(pngImageData(split) == Bytes{1, 2, 3, 4, 5});
    CHECK(pngImageData(png({"IHDR", "IEND"})).empty());
}

TEST_CASE("a PNG whose chunks do not hold together is refused")
{
    Bytes longChunk = png({"IHDR", "IDAT", "IEND"});
    longChunk[8 + 12 + 13 + 3] = 0xFF; // the IDAT length, now past the end
    Bytes cut = png({"IHDR", "IDAT", "IEND"});
    cut.pop_back();
    struct Case
    {
        const char *name;
        Bytes data;
    };
    const Case cases[] = {
        {"empty", {}},
        {"signature alone", kSignature},
        {"not a PNG", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"length past the end", longChunk},
        {"cut in its last chunk", cut},
        {"first chunk not the header", png({"IDAT", "IHDR", "IEND"})},
        {"no end chunk", png({"IHDR", "IDAT"})},
    };
    for (const Case &c : cases) {
        CAPTURE(std::string(c.name));
        CHECK(refused(c.data));
    }
}
