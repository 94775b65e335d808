// The number format read from Intl's parts, as browsers write the samples in a few languages,
// and the parts' encoding between the page's script and the core.
#include "runtime/numbertext.h"
#include "runtime/web/intlnumberformat.h"
#include "tests/support/doctesttext.h"

#include <doctest/doctest.h>

#include <optional>
#include <string>
#include <vector>

using namespace freefall;

namespace {

// A sample's parts written "type:value type:value ..."; the types are Intl's, abbreviated.
NumberParts parts(std::u16string_view written)
{
    NumberParts out;
    while (!written.empty()) {
        const std::size_t end = std::min(written.find(u' '), written.size());
        const std::u16string_view part = written.substr(0, end);
        const std::size_t colon = part.find(u':');
        const std::u16string_view type = part.substr(0, colon);
        const std::u16string_view value = part.substr(colon + 1);
        const std::u16string longType = type == u"m"   ? u"minusSign"
                                        : type == u"i" ? u"integer"
                                        : type == u"g" ? u"group"
                                        : type == u"d" ? u"decimal"
                                        : type == u"f" ? u"fraction"
                                        : type == u"l" ? u"literal"
                                                       : std::u16string(type);
        out.push_back({longType, std::u16string(value)});
        written.remove_prefix(std::min(end + 1, written.size()));
    }
    return out;
}

std::u16string encoded(const std::vector<NumberParts> &samples)
{
    std::u16string text;
    for (const NumberParts &sample : samples) {
        for (const NumberPart &part : sample)
            text += part.type + u'\u001f' + part.value + u'\u001e';
        text += u'\u001d';
    }
    return text;
}

bool sameFormat(const NumberFormat &a, const NumberFormat &b)
{
    return a.decimalSeparator == b.decimalSeparator && a.groupSeparator == b.groupSeparator &&
           a.minusSign == b.minusSign && a.decimals == b.decimals && a.leastGroup == b.leastGroup &&
           a.higherGroups == b.higherGroups && a.leadingAtLeast == b.leadingAtLeast &&
           a.groupedFrom == b.groupedFrom;
}

} // namespace

TEST_CASE("the number format of a language, from the parts of the samples")
{
    struct Row
    {
        const char *language;
        std::u16string_view large; // -1234567.5
        std::u16string_view four;  // 1234.5
        std::u16string_view five;  // 12345.5
        std::optional<NumberFormat> expected;
    };
    const std::optional<NumberFormat> none;
    // clang-format off
    const Row rows[] = {
        {"en-US", u"m:- i:1 g:, i:234 g:, i:567 d:. f:50", u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50",
         NumberFormat{u".", u",", u"-", 2, 3, 3, 1, 0}},
        {"de-DE", u"m:- i:1 g:. i:234 g:. i:567 d:, f:50", u"i:1 g:. i:234 d:, f:50", u"i:12 g:. i:345 d:, f:50",
         NumberFormat{u",", u".", u"-", 2, 3, 3, 1, 0}},
        {"es-ES: no group below five digits", u"m:- i:1 g:. i:234 g:. i:567 d:, f:50", u"i:1234 d:, f:50", u"i:12 g:. i:345 d:, f:50",
         NumberFormat{u",", u".", u"-", 2, 3, 3, 1, 5}},
        {"hi-IN: groups of two", u"m:- i:12 g:, i:34 g:, i:567 d:. f:50", u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50",
         NumberFormat{u".", u",", u"-", 2, 3, 2, 1, 0}},
        {"fr-FR: narrow no-break space", u"m:- i:1 g:\u202f i:234 g:\u202f i:567 d:, f:50", u"i:1 g:\u202f i:234 d:, f:50",
         u"i:12 g:\u202f i:345 d:, f:50", NumberFormat{u",", u"\u202f", u"-", 2, 3, 3, 1, 0}},
        {"sv-SE: minus sign U+2212", u"m:\u2212 i:1 g:\u00a0 i:234 g:\u00a0 i:567 d:, f:50", u"i:1 g:\u00a0 i:234 d:, f:50",
         u"i:12 g:\u00a0 i:345 d:, f:50", NumberFormat{u",", u"\u00a0", u"\u2212", 2, 3, 3, 1, 0}},
        {"ar-EG in Latin digits: a direction mark before the minus", u"l:\u200e m:- i:1 g:, i:234 g:, i:567 d:. f:50",
         u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50", NumberFormat{u".", u",", u"\u200e-", 2, 3, 3, 1, 0}},
        {"de-CH: apostrophe", u"m:- i:1 g:' i:234 g:' i:567 d:. f:50", u"i:1 g:' i:234 d:. f:50", u"i:12 g:' i:345 d:. f:50",
         NumberFormat{u".", u"'", u"-", 2, 3, 3, 1, 0}},
        {"Arabic digits", u"l:\u061c m:- i:\u0661 g:\u066c i:\u0662\u0663\u0664 g:\u066c i:\u0665\u0666\u0667 d:\u066b f:\u0665\u0660",
         u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50", none},
        {"sign after the number", u"i:1 g:, i:234 g:, i:567 d:. f:50 m:-", u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50", none},
        {"no grouping", u"m:- i:1234567 d:. f:50", u"i:1234 d:. f:50", u"i:12345 d:. f:50", none},
        {"two group separators", u"m:- i:1 g:, i:234 g:. i:567 d:. f:50", u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50", none},
        {"one decimal", u"m:- i:1 g:, i:234 g:, i:567 d:. f:5", u"i:1 g:, i:234 d:. f:5", u"i:12 g:, i:345 d:. f:5", none},
        {"no decimal separator", u"m:- i:1 g:, i:234 g:, i:567 f:50", u"i:1 g:, i:234 f:50", u"i:12 g:, i:345 f:50", none},
        {"no minus sign", u"i:1 g:, i:234 g:, i:567 d:. f:50", u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50", none},
        {"separator that is a digit", u"m:- i:1 g:1 i:234 g:1 i:567 d:. f:50", u"i:1 g:1 i:234 d:. f:50", u"i:12 g:1 i:345 d:. f:50", none},
        {"a sample other than it claims", u"m:- i:1 g:, i:234 g:, i:568 d:. f:50", u"i:1 g:, i:234 d:. f:50", u"i:12 g:, i:345 d:. f:50", none},
        {"decimal and group separators alike", u"m:- i:1 g:. i:234 g:. i:567 d:. f:50", u"i:1 g:. i:234 d:. f:50", u"i:12 g:. i:345 d:. f:50", none},
    };
    // clang-format on
    for (const Row &row : rows) {
        CAPTURE(row.language);
        const std::vector<NumberParts> samples = {parts(row.large), parts(row.four),
                                                  parts(row.five)};
        const std::optional<NumberFormat> format = numberFormatFromParts(samples);
        REQUIRE(format.has_value() == row.expected.has_value());
        if (format) {
            CHECK(sameFormat(*format, *row.expected));
            // The page then writes each sample as the browser wrote it.
            const NumberText text(*format);
            for (std::size_t i = 0; i < samples.size(); ++i) {
                std::u16string written;
                for (const NumberPart &part : samples[i])
                    written += part.value;
                CHECK(text.format(kIntlSamples[i]) == written);
            }
        }
        // Through the page's encoding, the same format or the United States' one.
        const NumberFormat page = intlNumberFormat(encoded(samples));
        CHECK(sameFormat(page, row.expected.value_or(NumberFormat{})));
    }
}

TEST_CASE("the samples as the script encodes them")
{
    const std::vector<NumberParts> samples = {
        parts(u"m:- i:1 g:, i:234 d:. f:50"), parts(u"i:12"), {}};
    const std::vector<NumberParts> read = parseNumberParts(encoded(samples));
    REQUIRE(read.size() == samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        REQUIRE(read[i].size() == samples[i].size());
        for (std::size_t j = 0; j < samples[i].size(); ++j) {
            CHECK(read[i][j].type == samples[i][j].type);
            CHECK(read[i][j].value == samples[i][j].value);
        }
    }

    // A text cut short keeps the samples that ended, and too few samples describe nothing.
    const std::u16string whole = encoded(samples);
    CHECK(parseNumberParts(std::u16string_view(whole).substr(0, whole.size() - 1)).size() == 2);
    CHECK(parseNumberParts(u"").empty());
    CHECK(!numberFormatFromParts(parseNumberParts(encoded({samples[0]}))).has_value());
}
