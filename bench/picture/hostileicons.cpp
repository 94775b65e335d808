// Large pictures compress to almost nothing, and an icon directory may name the same image
// thousands of times: together they let a file of less than 1 MiB ask a loader that decodes
// every entry for gigabytes. PNG streams are deflated row by row, never held whole.
#include "bench/picture/hostileicons.h"

#include "tests/support/iconbytes.h"

#include <QFile>

#include <zlib.h>

#include <optional>
#include <string_view>

namespace freefall::bench {

namespace {

using testing::Bytes;
using testing::dibImage;
using testing::IconEntry;
using testing::iconFile;

constexpr std::size_t kFileLimit = 1024 * 1024;

void appendBigEndian32(Bytes &out, std::uint32_t value)
{
    testing::appendBigEndian32(out, value);
}

void appendChunk(Bytes &out, std::string_view type, const Bytes &data)
{
    appendBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type.begin(), type.end());
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    appendBigEndian32(
        out, static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

// Deflates count copies of block, plus the extra bytes of zeros after them, at level 9.
Bytes deflateRepeated(const Bytes &block, std::size_t count, std::size_t extraZeros = 0)
{
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    Bytes out;
    Bytes buffer(1 << 16);
    const auto pump = [&](const Bytes &input, int flush) {
        stream.next_in = const_cast<Bytef *>(input.data());
        stream.avail_in = static_cast<uInt>(input.size());
        do {
            stream.next_out = buffer.data();
            stream.avail_out = static_cast<uInt>(buffer.size());
            deflate(&stream, flush);
            out.insert(out.end(), buffer.data(), stream.next_out);
        } while (stream.avail_out == 0);
    };
    for (std::size_t i = 0; i < count; ++i)
        pump(block, Z_NO_FLUSH);
    const Bytes zeros(1 << 20, 0);
    for (std::size_t left = extraZeros; left > 0; left -= std::min(left, zeros.size()))
        pump(Bytes(zeros.begin(), zeros.begin() + std::ptrdiff_t(std::min(left, zeros.size()))),
             Z_NO_FLUSH);
    pump({}, Z_FINISH);
    deflateEnd(&stream);
    return out;
}

Bytes pngHeaderChunk(std::uint32_t width, std::uint32_t height)
{
    Bytes header;
    appendBigEndian32(header, width);
    appendBigEndian32(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit red, green, blue and alpha
    return header;
}

// A transparent RGBA PNG, with extra chunks before its image data and extra zeros deflated
// after its rows; with fewer rows than its side if asked, the rest missing.
Bytes png(std::uint32_t side, const std::vector<std::pair<std::string_view, Bytes>> &extra = {},
          std::size_t trailingZeros = 0, std::optional<std::uint32_t> rows = {})
{
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    appendChunk(out, "IHDR", pngHeaderChunk(side, side));
    for (const auto &[type, data] : extra)
        appendChunk(out, type, data);
    const Bytes row(1 + 4 * std::size_t{side}, 0); // filter byte, then the pixels
    appendChunk(out, "IDAT", deflateRepeated(row, rows.value_or(side), trailingZeros));
    appendChunk(out, "IEND", {});
    return out;
}

// A compressed text chunk that inflates to just under libpng's 8 MB limit for one chunk.
Bytes bigText()
{
    Bytes text{'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 0};
    const Bytes letters(1000, 'A');
    const Bytes compressed = deflateRepeated(letters, 7'900);
    text.insert(text.end(), compressed.begin(), compressed.end());
    return text;
}

bool write(const QString &path, const Bytes &bytes)
{
    if (bytes.size() > kFileLimit)
        qFatal("%s is over the file limit", qPrintable(path));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

} // namespace

bool writeHostileIcons(const QString &directory)
{
    const auto path = [&directory](const char *name) {
        return directory + u'/' + QString::fromLatin1(name);
    };
    bool ok = write(path("ordinary-32x32.ico"), iconFile({dibImage(32, 32, 32)}));

    const Bytes huge = png(5700);
    ok = ok &&
         write(path("png-5700-named-8-times.ico"), iconFile({huge}, std::vector<IconEntry>(8)));
    ok = ok &&
         write(path("png-5700-named-32-times.ico"), iconFile({huge}, std::vector<IconEntry>(32)));

    const Bytes bitmap = dibImage(256, 256, 32);
    ok = ok && write(path("bitmap-256-named-16000-times.ico"),
                     iconFile({bitmap}, std::vector<IconEntry>(16000)));
    const std::size_t mostEntries = (kFileLimit - 6 - bitmap.size()) / 16;
    ok = ok && write(path("bitmap-256-named-most-times.ico"),
                     iconFile({bitmap}, std::vector<IconEntry>(mostEntries)));

    ok = ok && write(path("png-30000-header.ico"), iconFile({png(30000, {}, 0, 1)}));

    const Bytes text = bigText();
    std::vector<std::pair<std::string_view, Bytes>> texts;
    while ((texts.size() + 1) * (text.size() + 12) + 2000 < kFileLimit - 100)
        texts.emplace_back("zTXt", text);
    ok = ok && write(path("png-256-text-chunks.ico"), iconFile({png(256, texts)}));

    ok = ok && write(path("png-256-trailing-image-data.ico"),
                     iconFile({png(256, {}, std::size_t{1000} << 20)}));

    // The smallest image that passes, 1 x 1 at one bit, as many times as fit.
    const Bytes tiny = dibImage(1, 1, 1);
    std::vector<Bytes> tinies((kFileLimit - 6) / (16 + tiny.size()), tiny);
    ok = ok && write(path("most-entries.ico"), iconFile(tinies));
    return ok;
}

} // namespace freefall::bench
