// Text in the encoding of the user's locale: command-line arguments and lines of standard input.
#pragma once

#include "app/cli/linedecoder.h"

#include <locale.h>

#include <string>
#include <string_view>

namespace freefall {

// The encoding that LC_ALL, LC_CTYPE or LANG name, looked up once. Under the C or POSIX
// locale, or one not installed, bytes are read as UTF-8, as the terminal most likely sent
// them. Bytes that are not valid text there leave U+0000 (kUndecodable) in the result, a
// character no argument can otherwise hold.
class LocaleText final : public LineDecoder
{
public:
    LocaleText();
    ~LocaleText() override;
    LocaleText(const LocaleText &) = delete;
    LocaleText &operator=(const LocaleText &) = delete;

    std::u16string decode(std::string_view bytes) const;
    void decode(std::string_view bytes, std::u16string &text) const override;

private:
    locale_t ctype_ = locale_t{};
    bool utf8_ = true;
};

} // namespace freefall
