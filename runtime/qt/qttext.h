// The core's UTF-16 text as Qt strings and back, without a copy where Qt can view it.
#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace freefall {

inline QStringView toQStringView(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size()));
}

inline QString toQString(std::u16string_view text)
{
    return toQStringView(text).toString();
}

inline std::u16string toU16String(const QString &text)
{
    return text.toStdU16String();
}

} // namespace freefall
