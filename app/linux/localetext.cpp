// The locale's encoding is asked of the C library through a locale object of its own, so the
// program's global locale, which the window's toolkit sets up later, is left alone.
#include "app/linux/localetext.h"

#include "app/cli/typedtext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cwchar>
#include <langinfo.h>

namespace freefall {

namespace {

void decodeUtf8(std::string_view bytes, std::u16string &text)
{
    // Most lines of a table are ASCII, which needs no decoder.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char byte) { return static_cast<unsigned char>(byte) < 0x80; })) {
        text.assign(bytes.begin(), bytes.end());
        return;
    }
    // A leading byte order mark is kept: it is a character the user gave. The decoder's own
    // marking of invalid bytes misses a sequence cut short at the end, its error flag does not.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    text.clear();
    if (decoder.hasError())
        text += kUndecodable;
    text.append(reinterpret_cast<const char16_t *>(decoded.utf16()), std::size_t(decoded.size()));
}

void appendUtf16(std::u16string &text, char32_t code)
{
    if (code < 0x10000) {
        text += char16_t(code);
    } else {
        text += char16_t(0xD800 + ((code - 0x10000) >> 10));
        text += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

// Decodes with mbrtowc under the given locale; wchar_t is UTF-32 on the systems this runs on.
void decodeMultibyte(std::string_view bytes, locale_t ctype, std::u16string &text)
{
    const locale_t previous = uselocale(ctype);
    text.clear();
    std::mbstate_t state{};
    const char *next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        wchar_t wide = 0;
        const std::size_t used = std::mbrtowc(&wide, next, left, &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2) ||
            used == 0) {
            text += kUndecodable;
            state = std::mbstate_t{};
            ++next;
            --left;
            continue;
        }
        appendUtf16(text, static_cast<char32_t>(wide));
        next += used;
        left -= used;
    }
    uselocale(previous);
}

} // namespace

LocaleText::LocaleText() : ctype_(newlocale(LC_CTYPE_MASK, "", locale_t{}))
{
    if (!ctype_)
        return;
    // The C and POSIX locales name plain ASCII, which says nothing about the terminal's bytes.
    static constexpr std::array<std::string_view, 4> utf8OrAscii{"UTF-8", "ANSI_X3.4-1968",
                                                                 "US-ASCII", "ASCII"};
    const std::string_view codeset = nl_langinfo_l(CODESET, ctype_);
    utf8_ = std::find(utf8OrAscii.begin(), utf8OrAscii.end(), codeset) != utf8OrAscii.end();
}

LocaleText::~LocaleText()
{
    if (ctype_)
        freelocale(ctype_);
}

std::u16string LocaleText::decode(std::string_view bytes) const
{
    std::u16string text;
    decode(bytes, text);
    return text;
}

void LocaleText::decode(std::string_view bytes, std::u16string &text) const
{
    if (utf8_)
        decodeUtf8(bytes, text);
    else
        decodeMultibyte(bytes, ctype_, text);
}

} // namespace freefall
