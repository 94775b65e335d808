// The icon directory picks the one image to decode and vouches for its size from its header;
// Qt decodes that image alone, after confirming the size it is about to allocate for.
#include "runtime/qt/qtpicture.h"

#include "runtime/icondirectory.h"
#include "runtime/pngessentials.h"
#include "runtime/posix/regularfile.h"
#include "runtime/posix/zlibstream.h"
#include "runtime/runtimeerror.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace freefall {

namespace {

// Enough for the largest image the directory lets through, at 8 bytes a pixel.
constexpr int kDecodeLimitMiB = 1;

[[noreturn]] void fail(RuntimeError::Kind kind)
{
    throw RuntimeError(kind);
}

QByteArray toByteArray(std::span<const std::uint8_t> data)
{
    return QByteArray(reinterpret_cast<const char *>(data.data()),
                      static_cast<qsizetype>(data.size()));
}

QImage decode(QByteArray data, const char *format, QSize size)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kDecodeLimitMiB);
    if (reader.size() != size)
        fail(RuntimeError::Kind::InvalidPicture);
    const QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        fail(RuntimeError::Kind::InvalidPicture);
    return image;
}

// Qt reads a bitmap image only inside an icon file, so the chosen one gets a directory of its
// own, whose size fields (0 standing for 256) are the ones its header gave.
QByteArray oneImageIcon(std::span<const std::uint8_t> dib, const IconImage &image)
{
    constexpr int directoryBytes = 6 + 16;
    QByteArray icon(directoryBytes, '\0');
    auto *bytes = reinterpret_cast<uchar *>(icon.data());
    qToLittleEndian<quint16>(1, bytes + 2); // an icon
    qToLittleEndian<quint16>(1, bytes + 4); // one image
    bytes[6] = static_cast<uchar>(image.width % 256);
    bytes[7] = static_cast<uchar>(image.height % 256);
    qToLittleEndian<quint16>(1, bytes + 10); // planes
    qToLittleEndian<quint16>(static_cast<quint16>(image.bitCount), bytes + 12);
    qToLittleEndian<quint32>(static_cast<quint32>(dib.size()), bytes + 14);
    qToLittleEndian<quint32>(directoryBytes, bytes + 18);
    icon.append(toByteArray(dib));
    return icon;
}

// libpng inflates all of a PNG's image data, even what follows the last row, which a file of
// 1 MiB can make a gigabyte. The rows of the image take at most this much, interlaced or not.
std::size_t maxImageDataBytes(const IconImage &image)
{
    const std::size_t rowBytes = (std::size_t(image.width) * std::size_t(image.bitCount) + 7) / 8;
    return 2 * std::size_t(image.height) * (1 + rowBytes) + 64;
}

QImage decodePng(std::span<const std::uint8_t> data, const IconImage &image)
{
    const std::vector<std::uint8_t> png = pngEssentials(data);
    if (!inflatesToAtMost(pngImageData(png), maxImageDataBytes(image)))
        fail(RuntimeError::Kind::InvalidPicture);
    return decode(toByteArray(png), "png", QSize(image.width, image.height));
}

QImage pointerImage(const QImage &image)
{
    if (image.width() <= kPointerSide && image.height() <= kPointerSide)
        return image;
    return image.scaled(kPointerSide, kPointerSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

std::shared_ptr<const QtPicture> QtPicture::load(const QString &path)
{
    const RegularFileRead file =
        readRegularFile(QFile::encodeName(path).constData(), kMaxFileBytes);
    switch (file.status) {
    case RegularFileRead::Status::Read:
        break;
    case RegularFileRead::Status::TooLarge:
        fail(RuntimeError::Kind::InvalidPicture);
    case RegularFileRead::Status::CannotOpen:
    case RegularFileRead::Status::NotRegular:
    case RegularFileRead::Status::ReadFailed:
        fail(RuntimeError::Kind::FileNotFound);
    }
    return fromIconFile(file.bytes);
}

std::shared_ptr<const QtPicture> QtPicture::fromIconFile(std::span<const std::uint8_t> file)
{
    const IconImage chosen = choosePointerImage(file);
    const auto data = file.subspan(chosen.offset, chosen.size);
    const QImage image =
        chosen.encoding == IconImage::Encoding::Png
            ? decodePng(data, chosen)
            : decode(oneImageIcon(data, chosen), "ico", QSize(chosen.width, chosen.height));
    return std::make_shared<const QtPicture>(pointerImage(image));
}

QtPicture::QtPicture(QImage image) : image_(std::move(image)) {}

QCursor QtPicture::cursor() const
{
    return QCursor(QPixmap::fromImage(image_));
}

} // namespace freefall
