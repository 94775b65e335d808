// Taking a fuzzer input apart; the boxes get at most kBoxMaxLength characters, as on screen.
#include "fuzz/fuzzcase.h"

#include "fuzz/fuzzlocales.h"

#include <QString>

namespace freefall::fuzz {

FuzzCase decodeFuzzCase(const std::uint8_t *data, std::size_t size)
{
    FuzzCase fuzzCase;
    const std::uint8_t selector = data[0];
    fuzzCase.regional = &fuzzRegional((selector & 0x7F) % kLocaleCount);
    fuzzCase.reference = &fuzzReference((selector & 0x7F) % kLocaleCount);
    fuzzCase.mode = (selector & 0x80) != 0 ? UnitMode::Metric : UnitMode::Imperial;
    fuzzCase.text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                      static_cast<qsizetype>(size - 1))
                        .toStdU16String();
    const std::u16string_view text = fuzzCase.text;
    const std::size_t split = text.find(u'\0');
    fuzzCase.typed = text.substr(0, std::min<std::size_t>(split, kBoxMaxLength));
    if (split != std::u16string_view::npos)
        fuzzCase.other = text.substr(split + 1, kBoxMaxLength);
    return fuzzCase;
}

} // namespace freefall::fuzz
