// Reads a number format from Intl's parts: what stands before the digits is the minus sign, the
// group parts give the separator and the lengths of the integer parts the group sizes, and the
// shorter samples whether a short whole number is grouped at all. The format is kept only if
// the core writes all samples exactly as Intl did.
#include "runtime/web/intlnumberformat.h"

#include "runtime/numbertext.h"

#include <algorithm>

namespace freefall {

namespace {

constexpr char16_t kTypeEnd = u'\u001f';
constexpr char16_t kPartEnd = u'\u001e';
constexpr char16_t kSampleEnd = u'\u001d';
constexpr int kDecimals = 2;

bool isAsciiDigits(std::u16string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// A sample as written: its sign, its integer parts, the separators and the decimals.
struct Written
{
    std::u16string sign;
    std::vector<std::u16string> integers;
    std::u16string group;
    std::u16string decimal;
    std::u16string fraction;
};

std::optional<Written> split(const NumberParts &parts)
{
    Written w;
    std::size_t i = 0;
    for (; i < parts.size() && parts[i].type != u"integer"; ++i) {
        if (parts[i].type != u"minusSign" && parts[i].type != u"literal")
            return std::nullopt;
        w.sign += parts[i].value;
    }
    for (; i < parts.size() && (parts[i].type == u"integer" || parts[i].type == u"group"); ++i) {
        if (parts[i].type == u"integer") {
            if (!isAsciiDigits(parts[i].value))
                return std::nullopt;
            w.integers.push_back(parts[i].value);
        } else if (w.group.empty() || w.group == parts[i].value) {
            w.group = parts[i].value;
        } else {
            return std::nullopt;
        }
    }
    if (i + 2 != parts.size() || parts[i].type != u"decimal" || parts[i + 1].type != u"fraction" ||
        parts[i + 1].value.size() != kDecimals || !isAsciiDigits(parts[i + 1].value))
        return std::nullopt;
    w.decimal = parts[i].value;
    w.fraction = parts[i + 1].value;
    if (w.integers.empty())
        return std::nullopt;
    return w;
}

std::size_t wholeDigits(const Written &w)
{
    std::size_t count = 0;
    for (const std::u16string &part : w.integers)
        count += part.size();
    return count;
}

std::u16string joined(const NumberParts &parts)
{
    std::u16string text;
    for (const NumberPart &part : parts)
        text += part.value;
    return text;
}

} // namespace

std::vector<NumberParts> parseNumberParts(std::u16string_view text)
{
    std::vector<NumberParts> samples;
    NumberParts sample;
    NumberPart part;
    std::u16string field;
    for (char16_t c : text) {
        if (c == kTypeEnd) {
            part.type = std::move(field);
            field.clear();
        } else if (c == kPartEnd) {
            part.value = std::move(field);
            field.clear();
            sample.push_back(std::move(part));
            part = {};
        } else if (c == kSampleEnd) {
            samples.push_back(std::move(sample));
            sample.clear();
        } else {
            field.push_back(c);
        }
    }
    return samples;
}

std::optional<NumberFormat> numberFormatFromParts(const std::vector<NumberParts> &samples)
{
    if (samples.size() != kIntlSamples.size())
        return std::nullopt;
    std::vector<Written> written;
    for (const NumberParts &parts : samples) {
        std::optional<Written> w = split(parts);
        if (!w)
            return std::nullopt;
        written.push_back(*std::move(w));
    }
    const Written &large = written[0];
    // Three integer parts tell both group sizes.
    if (large.integers.size() < 3 || large.sign.empty())
        return std::nullopt;
    NumberFormat format;
    format.decimalSeparator = large.decimal;
    format.groupSeparator = large.group;
    format.minusSign = large.sign;
    format.decimals = kDecimals;
    format.leastGroup = int(large.integers.back().size());
    format.higherGroups = int(large.integers[large.integers.size() - 2].size());
    // The shortest sample that is grouped: shorter whole numbers are not.
    format.groupedFrom = 0;
    for (std::size_t i = 1; i < written.size() && written[i].integers.size() == 1; ++i)
        format.groupedFrom = int(wholeDigits(written[i])) + 1;
    if (!NumberText::canDescribe(format))
        return std::nullopt;
    const NumberText text(format);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (text.format(kIntlSamples[i]) != joined(samples[i]))
            return std::nullopt;
    }
    return format;
}

NumberFormat intlNumberFormat(std::u16string_view partsText)
{
    return numberFormatFromParts(parseNumberParts(partsText)).value_or(NumberFormat{});
}

} // namespace freefall
