// Reads the resources out of a compiled Win32 .res file.
#include "tests/versionrecord/resfile.h"

#include "tests/versionrecord/littleendian.h"

namespace versionrecord {
namespace {

std::optional<ResourceId> readId(const QByteArray &file, qsizetype &pos, qsizetype end)
{
    if (pos + 2 > end)
        return std::nullopt;
    if (le16(file, pos) == 0xFFFF) {
        if (pos + 4 > end)
            return std::nullopt;
        ResourceId id{le16(file, pos + 2), {}};
        pos += 4;
        return id;
    }
    ResourceId id;
    while (true) {
        if (pos + 2 > end)
            return std::nullopt;
        const quint16 c = le16(file, pos);
        pos += 2;
        if (c == 0)
            break;
        id.text.append(QChar(c));
    }
    return id;
}

} // namespace

std::optional<QList<Resource>> readResFile(const QByteArray &file)
{
    QList<Resource> resources;
    qsizetype pos = 0;
    while (pos < file.size()) {
        if (pos + 8 > file.size())
            return std::nullopt;
        const quint32 dataSize = le32(file, pos);
        const quint32 headerSize = le32(file, pos + 4);
        const qsizetype headerEnd = pos + headerSize;
        if (headerSize < 16 || headerEnd + qint64(dataSize) > file.size())
            return std::nullopt;
        qsizetype at = pos + 8;
        const auto type = readId(file, at, headerEnd);
        const auto name = type ? readId(file, at, headerEnd) : std::nullopt;
        at = align4(at);
        // DataVersion, MemoryFlags, LanguageId, Version, Characteristics
        if (!name || at + 16 != headerEnd)
            return std::nullopt;
        Resource r{*type, *name, le16(file, at + 6), file.mid(headerEnd, dataSize)};
        // The file opens with an empty record that only marks it as 32-bit.
        if (!(r.type.number == 0 && r.name.number == 0 && dataSize == 0))
            resources.append(r);
        pos = align4(headerEnd + dataSize);
    }
    return resources;
}

} // namespace versionrecord
