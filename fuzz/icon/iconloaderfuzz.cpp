// The libFuzzer entry over the icon loader: any bytes give a pointer picture or a refusal, the
// directory never sends the decoder outside the file or past 256 x 256, and the load holds at
// most 64 MiB of heap at any moment. Time per input is bounded by the run's -timeout.
#include "fuzz/icon/heappeak.h"
#include "runtime/icondirectory.h"
#include "runtime/qt/qtpicture.h"
#include "runtime/runtimeerror.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

namespace {

using namespace freefall;

constexpr std::size_t kMaxExtraHeap = 64 * 1024 * 1024;

void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\n", property);
        __builtin_trap();
    }
}

void requireRefusal(const RuntimeError &error)
{
    require(error.kind() == RuntimeError::Kind::InvalidPicture,
            "a refused icon is an invalid picture");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Qt reports each damaged PNG on standard error; at thousands of inputs a second that
    // would bury the run's own output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    require(fuzz::installHeapPeakHooks(), "the heap hooks are installed");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    const fuzz::HeapPeak heap;

    std::optional<IconImage> chosen;
    try {
        chosen = choosePointerImage(file);
        require(chosen->offset <= size && chosen->size <= size - chosen->offset,
                "the chosen image lies inside the file");
        require(chosen->width >= 1 && chosen->width <= kMaxIconSide && chosen->height >= 1 &&
                    chosen->height <= kMaxIconSide,
                "the chosen image is at most 256 x 256");
    } catch (const RuntimeError &error) {
        requireRefusal(error);
    }

    try {
        const auto picture = QtPicture::fromIconFile(file);
        require(chosen.has_value(), "only a file whose directory is sound loads");
        const QImage &image = picture->image();
        require(!image.isNull() && image.width() >= 1 && image.width() <= kPointerSide &&
                    image.height() >= 1 && image.height() <= kPointerSide,
                "the pointer picture fits 32 x 32");
        // A smaller image is shown as it is; a larger one is scaled to fit, keeping its shape.
        if (chosen->width <= kPointerSide && chosen->height <= kPointerSide)
            require(image.width() == chosen->width && image.height() == chosen->height,
                    "an image that fits is shown at its own size");
        else
            require(image.width() == kPointerSide || image.height() == kPointerSide,
                    "a larger image is scaled to fit");
    } catch (const RuntimeError &error) {
        requireRefusal(error);
    }

    require(heap.extraBytes() <= kMaxExtraHeap, "the load holds at most 64 MiB of heap");
    return 0;
}
