// Reads an icon directory (a zero word, type 1, the count, then 16 bytes per image) and each
// image's own header: a PNG's IHDR or a bitmap's BITMAPINFOHEADER, whose height counts the
// colour bitmap and the mask.
#include "iconchoice.h"

#include "runtimeerror.h"

#include <algorithm>
#include <array>
#include <vector>

namespace freefall {

namespace {

constexpr std::size_t kHeaderBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

[[noreturn]] void refuse()
{
    throw RuntimeError(RuntimeError::Kind::InvalidPicture);
}

std::uint32_t le(std::span<const std::uint8_t> bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + std::size_t(i)];
    return value;
}

std::uint32_t be32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16 |
           std::uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

// The image's size as its own header gives it, which is what a decoder obeys.
IconChoice measure(std::span<const std::uint8_t> image, std::size_t offset)
{
    IconChoice choice{offset, image.size(), 0, 0};
    if (image.size() >= 24 &&
        std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin())) {
        choice.width = int(std::min<std::uint32_t>(be32(image, 16), 1u << 30));
        choice.height = int(std::min<std::uint32_t>(be32(image, 20), 1u << 30));
    } else if (image.size() >= 40 && le(image, 0, 4) == 40) {
        const auto width = std::int32_t(le(image, 4, 4));
        const auto height = std::int32_t(le(image, 8, 4));
        if (width <= 0 || height <= 0 || height % 2 != 0)
            refuse();
        choice.width = width;
        choice.height = height / 2;
    } else {
        refuse();
    }
    if (choice.width <= 0 || choice.height <= 0 || choice.width > kMaxIconSide ||
        choice.height > kMaxIconSide)
        refuse();
    return choice;
}

} // namespace

IconChoice choosePointerImage(std::span<const std::uint8_t> file)
{
    if (file.size() < kHeaderBytes || le(file, 0, 2) != 0 || le(file, 2, 2) != 1)
        refuse();
    const std::size_t count = le(file, 4, 2);
    const std::size_t directoryEnd = kHeaderBytes + count * kEntryBytes;
    if (count == 0 || directoryEnd > file.size())
        refuse();

    std::vector<IconChoice> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kHeaderBytes + i * kEntryBytes;
        const std::size_t size = le(file, entry + 8, 4);
        const std::size_t offset = le(file, entry + 12, 4);
        if (size == 0 || offset < directoryEnd || offset > file.size() ||
            size > file.size() - offset)
            refuse();
        images.push_back(measure(file.subspan(offset, size), offset));
    }
    std::vector<IconChoice> byOffset = images;
    std::sort(byOffset.begin(), byOffset.end(),
              [](const IconChoice &a, const IconChoice &b) { return a.offset < b.offset; });
    for (std::size_t i = 1; i < byOffset.size(); ++i) {
        if (byOffset[i - 1].offset + byOffset[i - 1].size > byOffset[i].offset)
            refuse();
    }

    const auto area = [](const IconChoice &c) { return long(c.width) * c.height; };
    const IconChoice *fitting = nullptr;
    const IconChoice *smallest = nullptr;
    for (const IconChoice &image : images) {
        if (image.width <= kPointerSide && image.height <= kPointerSide &&
            (!fitting || area(image) > area(*fitting)))
            fitting = &image;
        if (!smallest || area(image) < area(*smallest))
            smallest = &image;
    }
    return fitting ? *fitting : *smallest;
}

} // namespace freefall
