// Taking a fuzzer input apart; the boxes get at most kBoxMaxLength characters, as on screen.
#include "fuzzcase.h"

#include "fuzzlocales.h"

namespace freefall::fuzz {

FuzzCase decodeFuzzCase(const std::uint8_t *data, std::size_t size)
{
    FuzzCase fuzzCase;
    const std::uint8_t selector = data[0];
    fuzzCase.regional = &fuzzRegional((selector & 0x7F) % kLocaleCount);
    fuzzCase.reference = &fuzzReference((selector & 0x7F) % kLocaleCount);
    fuzzCase.mode = (selector & 0x80) != 0 ? UnitMode::Metric : UnitMode::Imperial;
    fuzzCase.text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                      static_cast<qsizetype>(size - 1));
    const qsizetype split = fuzzCase.text.indexOf(QChar(u'\0'));
    if (split < 0) {
        fuzzCase.typed = fuzzCase.text.left(kBoxMaxLength);
    } else {
        fuzzCase.typed = fuzzCase.text.left(split).left(kBoxMaxLength);
        fuzzCase.other = fuzzCase.text.mid(split + 1).left(kBoxMaxLength);
    }
    return fuzzCase;
}

} // namespace freefall::fuzz
