// The locale's encoding is asked of the C library through a locale object of its own, so the
// program's global locale, which the window's toolkit sets up later, is left alone.
#include "localetext.h"

#include "typedtext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace freefall {

namespace {

constexpr QChar kInvalid = QChar(kUndecodable);

QString decodeUtf8(const char *bytes)
{
    // A leading byte order mark is kept: it is a character the user gave. The decoder's own
    // marking of invalid bytes misses a sequence cut short at the end, its error flag does not.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(QByteArrayView(bytes));
    if (decoder.hasError())
        text.prepend(kInvalid);
    return text;
}

// Decodes with mbrtowc under the given locale; wchar_t is UTF-32 on the systems this runs on.
QString decodeMultibyte(const char *bytes, locale_t ctype)
{
    const locale_t previous = uselocale(ctype);
    QString text;
    std::mbstate_t state{};
    std::size_t left = std::strlen(bytes);
    while (left > 0) {
        wchar_t wide = 0;
        const std::size_t used = std::mbrtowc(&wide, bytes, left, &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2) ||
            used == 0) {
            text += kInvalid;
            state = std::mbstate_t{};
            ++bytes;
            --left;
            continue;
        }
        const auto code = static_cast<char32_t>(wide);
        text += QString::fromUcs4(&code, 1);
        bytes += used;
        left -= used;
    }
    uselocale(previous);
    return text;
}

} // namespace

std::u16string decodeArgument(const char *bytes)
{
    const locale_t ctype = newlocale(LC_CTYPE_MASK, "", locale_t{});
    if (!ctype)
        return decodeUtf8(bytes).toStdU16String();
    // The C and POSIX locales name plain ASCII, which says nothing about the terminal's bytes.
    static constexpr std::array<std::string_view, 4> utf8OrAscii{"UTF-8", "ANSI_X3.4-1968",
                                                                 "US-ASCII", "ASCII"};
    const std::string_view codeset = nl_langinfo_l(CODESET, ctype);
    const bool asUtf8 =
        std::find(utf8OrAscii.begin(), utf8OrAscii.end(), codeset) != utf8OrAscii.end();
    const QString text = asUtf8 ? decodeUtf8(bytes) : decodeMultibyte(bytes, ctype);
    freelocale(ctype);
    return text.toStdU16String();
}

} // namespace freefall
