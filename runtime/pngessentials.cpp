// Chunks are walked by their length fields only; checksums and image data are left to the
// decoder, which checks them itself.
#include "runtime/pngessentials.h"

#include "runtime/byteorder.h"
#include "runtime/runtimeerror.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace freefall {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// A chunk's length and type before its data, and its checksum after.
constexpr std::size_t kChunkFrameBytes = 12;

[[noreturn]] void refuse()
{
    throw RuntimeError(RuntimeError::Kind::InvalidPicture);
}

bool isType(std::span<const std::uint8_t> chunk, std::string_view type)
{
    return std::equal(type.begin(), type.end(), chunk.begin() + 4);
}

bool drawsPixels(std::span<const std::uint8_t> chunk)
{
    const bool critical = chunk[4] >= 'A' && chunk[4] <= 'Z';
    return critical || isType(chunk, "tRNS");
}

// Calls onChunk with each chunk, frame included, from IHDR to IEND.
template <typename OnChunk> void walkChunks(std::span<const std::uint8_t> png, OnChunk onChunk)
{
    if (png.size() < kSignature.size() ||
        !std::equal(kSignature.begin(), kSignature.end(), png.begin()))
        refuse();
    std::size_t at = kSignature.size();
    while (true) {
        if (png.size() - at < kChunkFrameBytes)
            refuse();
        const std::size_t length = bytes::bigEndian32(png, at);
        if (length > png.size() - at - kChunkFrameBytes)
            refuse();
        const auto chunk = png.subspan(at, kChunkFrameBytes + length);
        if (at == kSignature.size() && !isType(chunk, "IHDR"))
            refuse();
        onChunk(chunk);
        if (isType(chunk, "IEND"))
            return;
        at += chunk.size();
    }
}

} // namespace

std::vector<std::uint8_t> pngEssentials(std::span<const std::uint8_t> png)
{
    std::vector<std::uint8_t> kept(kSignature.begin(), kSignature.end());
    walkChunks(png, [&kept](std::span<const std::uint8_t> chunk) {
        if (drawsPixels(chunk))
            kept.insert(kept.end(), chunk.begin(), chunk.end());
    });
    return kept;
}

std::vector<std::uint8_t> pngImageData(std::span<const std::uint8_t> png)
{
    std::vector<std::uint8_t> stream;
    walkChunks(png, [&stream](std::span<const std::uint8_t> chunk) {
        if (isType(chunk, "IDAT"))
            stream.insert(stream.end(), chunk.begin() + 8, chunk.end() - 4);
    });
    return stream;
}

} // namespace freefall
