// Parses the tree of a VS_VERSIONINFO resource: each node has a key, a value and children.
#include "tests/versionrecord/versionnode.h"

#include "tests/versionrecord/littleendian.h"

namespace versionrecord {
namespace {

std::optional<VersionNode> parseAt(const QByteArray &data, qsizetype start, qsizetype limit)
{
    if (start + 6 > limit)
        return std::nullopt;
    const qsizetype end = start + le16(data, start);
    const quint16 valueLength = le16(data, start + 2);
    const quint16 type = le16(data, start + 4);
    if (end > limit || type > 1)
        return std::nullopt;
    VersionNode node;
    node.isText = type == 1;
    qsizetype pos = start + 6;
    while (true) {
        if (pos + 2 > end)
            return std::nullopt;
        const quint16 c = le16(data, pos);
        pos += 2;
        if (c == 0)
            break;
        node.key.append(QChar(c));
    }
    pos = align4(pos);
    // Text lengths count UTF-16 units, binary ones bytes.
    const qsizetype valueBytes = node.isText ? 2 * qsizetype(valueLength) : valueLength;
    if (pos + valueBytes > end)
        return std::nullopt;
    node.value = data.mid(pos, valueBytes);
    pos = align4(pos + valueBytes);
    while (pos < end) {
        auto child = parseAt(data, pos, end);
        if (!child)
            return std::nullopt;
        pos = align4(pos + le16(data, pos));
        node.children.append(*child);
    }
    return node;
}

} // namespace

QString VersionNode::text() const
{
    QString s;
    for (qsizetype i = 0; i + 1 < value.size(); i += 2) {
        const quint16 c = le16(value, i);
        if (c == 0)
            break;
        s.append(QChar(c));
    }
    return s;
}

const VersionNode *VersionNode::child(const QString &childKey) const
{
    for (const VersionNode &c : children)
        if (c.key == childKey)
            return &c;
    return nullptr;
}

std::optional<VersionNode> parseVersionNode(const QByteArray &data)
{
    return parseAt(data, 0, data.size());
}

} // namespace versionrecord
