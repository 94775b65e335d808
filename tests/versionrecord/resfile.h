// Reads the resources out of a compiled Win32 .res file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace versionrecord {

// A resource type or name is either a number or a string.
struct ResourceId
{
    int number = -1; // -1 when the id is a string
    QString text;

    friend bool operator==(const ResourceId &, const ResourceId &) = default;
};

struct Resource
{
    ResourceId type;
    ResourceId name;
    quint16 language = 0;
    QByteArray data;
};

// Nothing if the file is not a well-formed sequence of resource records.
std::optional<QList<Resource>> readResFile(const QByteArray &file);

} // namespace versionrecord
