// Val: the leading number of a text, read the same whatever the regional settings.
#include "runtime/runtimeerror.h"
#include "runtime/val.h"
#include "tests/support/doctesttext.h"

#include <doctest/doctest.h>

#include <clocale>
#include <locale>
#include <string>

using freefall::RuntimeError;
using freefall::Val;

TEST_CASE("reads")
{
    struct Row
    {
        const char *name;
        std::u16string_view text;
        double expected;
    };
    const Row rows[] = {
        {"integer", u"100", 100.0},
        {"empty", u"", 0.0},
        {"letters only", u"abc", 0.0},
        {"trailing letters", u"12abc", 12.0},
        {"comma ends the number", u"1,000", 1.0},
        {"blanks between digits", u"1 0 0", 100.0},
        {"leading blanks", u"   42", 42.0},
        {"tab and line feed skipped", u"4\t2\n5", 425.0},
        {"carriage return ends", u"4\r2", 4.0},
        {"decimal point", u"3.25", 3.25},
        {"second point ends", u"1.2.3", 1.2},
        {"leading point", u".5", 0.5},
        {"trailing point", u"5.", 5.0},
        {"point only", u".", 0.0},
        {"negative", u"-5", -5.0},
        {"blank after sign", u"- 5", -5.0},
        {"plus sign", u"+7", 7.0},
        {"two signs", u"+-7", 0.0},
        {"sign only", u"-", 0.0},
        {"zero", u"0", 0.0},
        {"exponent E", u"1E3", 1000.0},
        {"exponent e", u"2e2", 200.0},
        {"exponent D", u"1D3", 1000.0},
        {"exponent d negative", u"5d-1", 0.5},
        {"exponent with plus", u"1E+2", 100.0},
        {"exponent without digits", u"7E", 7.0},
        {"exponent sign without digits", u"7E+", 7.0},
        {"exponent blanked", u"1 E 2", 100.0},
        {"exponent without mantissa", u"E5", 0.0},
        {"underflow is zero", u"1E-400", 0.0},
        {"largest double", u"1.7E308", 1.7e308},
        {"hex", u"&HFF", 255.0},
        {"hex lower case", u"&hff", 255.0},
        {"hex 16-bit is signed", u"&HFFFF", -1.0},
        {"hex 16-bit high bit", u"&H8000", -32768.0},
        {"hex beyond 16 bits", u"&H10000", 65536.0},
        {"hex 32-bit is signed", u"&HFFFFFFFF", -1.0},
        {"hex stops at non-digit", u"&H1G", 1.0},
        {"hex without digits", u"&H", 0.0},
        {"octal", u"&O17", 15.0},
        {"octal stops at 8", u"&O18", 1.0},
        {"ampersand alone", u"&", 0.0},
        {"unknown prefix", u"&X12", 0.0},
        {"non-ASCII digits are not digits", u"\u0661\u0662", 0.0},
        {"keyword", u"zinc", 0.0},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CAPTURE(row.text);
        CHECK(Val(row.text) == row.expected);
    }
}

TEST_CASE("overflows")
{
    struct Row
    {
        const char *name;
        std::u16string_view text;
    };
    const Row rows[] = {
        {"exponent", u"1E309"},
        {"negative exponent form", u"-9D999"},
        {"huge exponent", u"1E99999999999"},
        {"hex beyond 32 bits", u"&H100000000"},
        {"octal beyond 32 bits", u"&O77777777777"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        try {
            const double value = Val(row.text);
            FAIL_CHECK("no overflow, got ", value);
        } catch (const RuntimeError &error) {
            CHECK(error.kind() == RuntimeError::Kind::Overflow);
        }
    }
}

namespace {

// A decimal comma and a point between groups, as in German.
class CommaDecimals : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// The C library's numeric locale set to a German one, where one is installed.
bool setGermanCLocale()
{
    for (const char *name :
         {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252", "German"}) {
        if (std::setlocale(LC_NUMERIC, name))
            return true;
    }
    return false;
}

} // namespace

TEST_CASE("ignores regional settings")
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    const bool german = setGermanCLocale();
    if (!german)
        MESSAGE("no German locale installed: only the C++ global locale uses a decimal comma");
    CHECK(Val(u"1,5") == 1.0);
    CHECK(Val(u"1.5") == 1.5);
    CHECK(Val(u"1.5E3") == 1500.0);
    std::setlocale(LC_NUMERIC, "C");
    std::locale::global(previous);
}
