// A picture of the forms runtime: an icon file decoded by Qt, usable as a mouse pointer.
#pragma once

#include "runtime/forms.h"

#include <QCursor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <span>

namespace freefall {

class QtPicture final : public Picture
{
public:
    // Files larger than this are refused before they are read, so that no path can stall the
    // window by naming something huge.
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    // Loads an icon file. Throws RuntimeError: FileNotFound when the path names no regular file
    // or it cannot be opened or read; InvalidPicture when the file is larger than
    // kMaxFileBytes or fromIconFile refuses it. Never waits for anything but the disk.
    static std::shared_ptr<const QtPicture> load(const QString &path);

    // The pointer picture of an icon file's bytes: only the image that the icon directory
    // chooses is decoded. Throws RuntimeError(InvalidPicture) when the directory is unsound,
    // an image is larger than a pointer can be, or the chosen image does not decode.
    static std::shared_ptr<const QtPicture> fromIconFile(std::span<const std::uint8_t> file);

    explicit QtPicture(QImage image);

    // The image the pointer is drawn from: the file's largest image that fits 32 by 32 pixels,
    // the usual pointer size, or else its smallest one scaled down to fit.
    const QImage &image() const { return image_; }

    // An icon file carries no hot spot; the pointer's is the middle of the picture.
    QCursor cursor() const;

private:
    QImage image_;
};

} // namespace freefall
