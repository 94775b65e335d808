// Parses the tree of a VS_VERSIONINFO resource: each node has a key, a value and children.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace versionrecord {

struct VersionNode
{
    QString key;
    bool isText = false;
    QByteArray value; // raw bytes; for text, UTF-16 up to and including the terminator
    QList<VersionNode> children;

    QString text() const; // the value as text, without its terminator
    const VersionNode *child(const QString &childKey) const;
};

// Nothing if a length field points outside its parent or the data.
std::optional<VersionNode> parseVersionNode(const QByteArray &data);

} // namespace versionrecord
