// Icon files are checked for a sound directory before Qt decodes them, and every image in the
// file must decode: a file cut short or damaged anywhere is refused as a whole.
#include "qtpicture.h"

#include "runtimeerror.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include <vector>

namespace freefall {

namespace {

constexpr int kPointerSize = 32;
constexpr qsizetype kHeaderBytes = 6;
constexpr qsizetype kEntryBytes = 16;

[[noreturn]] void fail(RuntimeError::Kind kind)
{
    throw RuntimeError(kind);
}

QByteArray readWholeFile(const QString &path)
{
    // Only a regular file: opening a FIFO or a device could block or never end.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        fail(RuntimeError::Kind::FileNotFound);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(RuntimeError::Kind::FileNotFound);
    if (file.size() > QtPicture::kMaxFileBytes)
        fail(RuntimeError::Kind::InvalidPicture);
    // Reading one byte past the limit catches a file that grew after its size was taken.
    QByteArray data = file.read(QtPicture::kMaxFileBytes + 1);
    if (data.isEmpty() || data.size() > QtPicture::kMaxFileBytes)
        fail(RuntimeError::Kind::InvalidPicture);
    return data;
}

// The icon directory: a zero word, type 1 (icon), the image count, then one entry per image
// whose last two fields are the size and offset of its data, which must lie inside the file.
void checkDirectory(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype size = data.size();
    if (size < kHeaderBytes || qFromLittleEndian<quint16>(bytes) != 0 ||
        qFromLittleEndian<quint16>(bytes + 2) != 1)
        fail(RuntimeError::Kind::InvalidPicture);
    const qsizetype count = qFromLittleEndian<quint16>(bytes + 4);
    const qsizetype directoryEnd = kHeaderBytes + count * kEntryBytes;
    if (count == 0 || directoryEnd > size)
        fail(RuntimeError::Kind::InvalidPicture);
    for (qsizetype i = 0; i < count; ++i) {
        const uchar *entry = bytes + kHeaderBytes + i * kEntryBytes;
        const qint64 length = qFromLittleEndian<quint32>(entry + 8);
        const qint64 offset = qFromLittleEndian<quint32>(entry + 12);
        if (length == 0 || offset < directoryEnd || offset + length > size)
            fail(RuntimeError::Kind::InvalidPicture);
    }
}

std::vector<QImage> decodeAll(QByteArray &data)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const int count = reader.imageCount();
    if (count <= 0)
        fail(RuntimeError::Kind::InvalidPicture);
    std::vector<QImage> images;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            fail(RuntimeError::Kind::InvalidPicture);
        QImage image = reader.read();
        if (image.isNull())
            fail(RuntimeError::Kind::InvalidPicture);
        images.push_back(std::move(image));
    }
    return images;
}

QImage pointerImage(const std::vector<QImage> &images)
{
    const QImage *fitting = nullptr;
    const QImage *smallest = nullptr;
    const auto area = [](const QImage &image) { return qint64(image.width()) * image.height(); };
    for (const QImage &image : images) {
        if (image.width() <= kPointerSize && image.height() <= kPointerSize &&
            (!fitting || area(image) > area(*fitting)))
            fitting = &image;
        if (!smallest || area(image) < area(*smallest))
            smallest = &image;
    }
    if (fitting)
        return *fitting;
    return smallest->scaled(kPointerSize, kPointerSize, Qt::KeepAspectRatio,
                            Qt::SmoothTransformation);
}

} // namespace

std::shared_ptr<const QtPicture> QtPicture::load(const QString &path)
{
    QByteArray data = readWholeFile(path);
    checkDirectory(data);
    return std::make_shared<const QtPicture>(pointerImage(decodeAll(data)));
}

QtPicture::QtPicture(QImage image) : image_(std::move(image)) {}

QCursor QtPicture::cursor() const
{
    return QCursor(QPixmap::fromImage(image_));
}

} // namespace freefall
