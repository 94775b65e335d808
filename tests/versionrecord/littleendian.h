// Little-endian reads and 32-bit alignment, the two primitives of every Win32 resource layout.
#pragma once

#include <QByteArray>

namespace versionrecord {

inline quint16 le16(const QByteArray &data, qsizetype at)
{
    return quint16(quint8(data.at(at)) | quint8(data.at(at + 1)) << 8);
}

inline quint32 le32(const QByteArray &data, qsizetype at)
{
    return quint32(le16(data, at)) | quint32(le16(data, at + 2)) << 16;
}

inline qsizetype align4(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

} // namespace versionrecord
