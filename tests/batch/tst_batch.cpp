// The batch form on scripted standard input: its lines in pieces of any size, a line per
// output line, the numbered reasons, the exit status, when output is handed on, and failing
// input or output.
#include "app/cli/batch.h"
#include "app/cli/commandline.h"
#include "app/cli/linereader.h"
#include "app/cli/streamsink.h"
#include "app/cli/typedtext.h"
#include "runtime/fixedregionalsettings.h"
#include "tests/support/localeformats.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

using namespace freefall;

namespace {

// Hands the input over in pieces of the given size, and notes how much output had reached
// standard output each time the batch asked for more.
class ScriptedInput final : public ByteInput
{
public:
    ScriptedInput(std::string bytes, std::size_t piece, const std::ostringstream *out = nullptr)
        : bytes_(std::move(bytes)), piece_(piece), out_(out)
    {
    }

    std::size_t read(char *buffer, std::size_t size) override
    {
        if (out_)
            outputAtRead.push_back(out_->str().size());
        ++reads;
        if (failAfter && at_ >= *failAfter)
            throw std::system_error(EIO, std::generic_category());
        const std::size_t count = std::min({size, piece_, bytes_.size() - at_});
        bytes_.copy(buffer, count, at_);
        at_ += count;
        return count;
    }

    std::vector<std::size_t> outputAtRead;
    int reads = 0;
    std::optional<std::size_t> failAfter;

private:
    std::string bytes_;
    std::size_t piece_;
    std::size_t at_ = 0;
    const std::ostringstream *out_;
};

// ASCII as it is; any other byte is not text here.
class AsciiDecoder final : public LineDecoder
{
public:
    void decode(std::string_view bytes, std::u16string &text) const override
    {
        text.clear();
        for (const char byte : bytes)
            text += static_cast<unsigned char>(byte) < 0x80 ? char16_t(byte) : kUndecodable;
    }
};

// Takes the first limit bytes, then fails as a full disk does.
class FullOutput final : public std::streambuf
{
public:
    explicit FullOutput(std::size_t limit) : limit_(limit) {}
    std::string written;

protected:
    int_type overflow(int_type c) override
    {
        if (written.size() >= limit_) {
            errno = ENOSPC;
            return traits_type::eof();
        }
        written += traits_type::to_char_type(c);
        return c;
    }
    std::streamsize xsputn(const char *text, std::streamsize count) override
    {
        std::streamsize taken = 0;
        while (taken < count &&
               !traits_type::eq_int_type(overflow(text[taken]), traits_type::eof()))
            ++taken;
        return taken;
    }

private:
    std::size_t limit_;
};

struct Run
{
    int status;
    std::string out;
    std::string err;
};

Run runBatchOn(UnitMode mode, const std::string &input, std::size_t piece,
               const NumberFormat &format = testing::localeFormat("en_US"))
{
    const FixedRegionalSettings regional(format);
    const AsciiDecoder decoder;
    ScriptedInput bytes(input, piece);
    StandardInput standardInput{bytes, decoder, false};
    std::ostringstream out;
    std::ostringstream err;
    StreamSink outSink(out);
    StreamSink errSink(err);
    const int status = runBatch(mode, standardInput, regional, outSink, errSink);
    return {status, out.str(), err.str()};
}

const std::string kLongLine = std::string(5000, '7');

} // namespace

TEST_CASE("each input line gives one output line, in pieces of any size")
{
    struct Row
    {
        const char *name;
        UnitMode mode;
        std::string input;
        int status;
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {"LF", UnitMode::Imperial, "100\n1000\n", 0,
         "100\t0.51\t0.52\t13.21\n1000\t5.08\t51.76\t1,314.70\n", ""},
        {"CR LF", UnitMode::Imperial, "100\r\n1000\r\n", 0,
         "100\t0.51\t0.52\t13.21\n1000\t5.08\t51.76\t1,314.70\n", ""},
        {"last line without a line end", UnitMode::Imperial, "100\n1000", 0,
         "100\t0.51\t0.52\t13.21\n1000\t5.08\t51.76\t1,314.70\n", ""},
        {"last line ending in CR", UnitMode::Imperial, "100\r", 0, "100\t0.51\t0.52\t13.21\n", ""},
        {"empty input", UnitMode::Imperial, "", 0, "", ""},
        {"metric, the converted speed first", UnitMode::Metric, "1\n50\n", 0,
         "196.85\t1\t2.01\t50.94\n9,842.52\t50\t5,014.02\t127,356.0\n", ""},
        {"typed text kept as typed", UnitMode::Imperial, "12abc\n 5 \n", 0,
         "12abc\t0.06\t0.01\t0.25\n 5 \t0.03\t0.00\t0.00\n", ""},
        {"an empty line", UnitMode::Imperial, "\n", 1, "\t\t\t\n",
         "freefall: line 1: the speed must be a number greater than zero\n"},
        {"bad lines among good ones", UnitMode::Imperial,
         "100\nabc\n1E200\n1234567890\n5\t0\n\xff\n200\n", 1,
         "100\t0.51\t0.52\t13.21\n\t\t\t\n\t\t\t\n\t\t\t\n\t\t\t\n\t\t\t\n"
         "200\t1.02\t2.07\t52.58\n",
         "freefall: line 2: the speed must be a number greater than zero\n"
         "freefall: line 3: no result: the calculation overflowed\n"
         "freefall: line 4: the speed is longer than the box's 9 characters\n"
         "freefall: line 5: the speed holds a control character, which cannot be typed into a "
         "box\n"
         "freefall: line 6: the speed is not valid text in the locale's character encoding\n"},
        {"the first failing line's status: no result", UnitMode::Metric, "1\n1000\n-1\n", 3,
         "196.85\t1\t2.01\t50.94\n\t\t\t\n\t\t\t\n",
         "freefall: line 2: no result: the result is too large to show in its box\n"
         "freefall: line 3: the speed must be a number greater than zero\n"},
        {"the first failing line's status: usage", UnitMode::Imperial, "1\x1b[2J\n0\n", 2,
         "\t\t\t\n\t\t\t\n",
         "freefall: line 1: the speed holds a control character, which cannot be typed into a "
         "box\n"
         "freefall: line 2: the speed must be a number greater than zero\n"},
        {"a CR inside a line", UnitMode::Imperial, "1\r0\n", 2, "\t\t\t\n",
         "freefall: line 1: the speed holds a control character, which cannot be typed into a "
         "box\n"},
        {"a line far too long, and the next", UnitMode::Imperial, kLongLine + "\n100", 2,
         "\t\t\t\n100\t0.51\t0.52\t13.21\n",
         "freefall: line 1: the speed is longer than the box's 9 characters\n"},
        {"a last line far too long", UnitMode::Imperial, "100\n" + kLongLine + "\r", 2,
         "100\t0.51\t0.52\t13.21\n\t\t\t\n",
         "freefall: line 2: the speed is longer than the box's 9 characters\n"},
    };
    for (const Row &row : rows) {
        for (const std::size_t piece : {std::size_t(1), std::size_t(3), std::size_t(1) << 20}) {
            CAPTURE(row.name);
            CAPTURE(piece);
            const Run run = runBatchOn(row.mode, row.input, piece);
            CHECK(run.status == row.status);
            CHECK(run.out == row.out);
            CHECK(run.err == row.err);
        }
    }
}

TEST_CASE("figures in the regional settings' number format")
{
    CHECK(runBatchOn(UnitMode::Imperial, "1000\n", 4096, testing::localeFormat("de_DE")).out ==
          "1000\t5,08\t51,76\t1.314,70\n");
    CHECK(runBatchOn(UnitMode::Metric, "50\n", 4096, testing::localeFormat("fr_FR")).out ==
          "9\u202f842,52\t50\t5\u202f014,02\t127\u202f356,0\n");
    CHECK(runBatchOn(UnitMode::Imperial, "10000\n", 4096, testing::localeFormat("hi_IN")).out ==
          "10000\t50.80\t5,175.98\t1,31,469\n");
}

// tail -f | freefall: nothing computed may wait in a buffer while the program waits for input.
TEST_CASE("output reaching a reader at once is handed on before each wait for input")
{
    const FixedRegionalSettings regional(testing::localeFormat("C"));
    const AsciiDecoder decoder;
    std::ostringstream out;
    std::ostringstream err;
    StreamSink outSink(out);
    StreamSink errSink(err);
    const std::string lines = "100\n200\n300\n";
    for (const bool interactive : {true, false}) {
        CAPTURE(interactive);
        out.str("");
        // One line per read, as a pipe from a slow writer gives them.
        ScriptedInput bytes(lines, 4, &out);
        StandardInput input{bytes, decoder, interactive};
        REQUIRE(runBatch(UnitMode::Imperial, input, regional, outSink, errSink) == ExitShown);
        const std::vector<std::size_t> expected = interactive
                                                      ? std::vector<std::size_t>{0, 20, 40, 61}
                                                      : std::vector<std::size_t>{0, 0, 0, 0};
        CHECK(bytes.outputAtRead == expected);
        CHECK(out.str().size() == 61);
    }
}

TEST_CASE("a failed write ends the run with status 4, reading no further")
{
    const FixedRegionalSettings regional(testing::localeFormat("C"));
    const AsciiDecoder decoder;
    std::string input;
    for (int i = 1; i <= 10000; ++i)
        input += std::to_string(i) + "\n";
    for (const bool interactive : {true, false}) {
        CAPTURE(interactive);
        FullOutput full(100);
        std::ostream out(&full);
        std::ostringstream err;
        StreamSink outSink(out);
        StreamSink errSink(err);
        ScriptedInput bytes(input, 8);
        StandardInput standardInput{bytes, decoder, interactive};
        CHECK(runBatch(UnitMode::Imperial, standardInput, regional, outSink, errSink) ==
              ExitNotWritten);
        CHECK(err.str() == "freefall: cannot write to standard output: " +
                               std::string(std::strerror(ENOSPC)) + "\n");
        // Interactive output fails at the first piece; otherwise at the first 64 KiB of it.
        CHECK(bytes.reads < (interactive ? 3 : 4000));
        CHECK(full.written.size() == 100);
    }
}

TEST_CASE("input that cannot be read ends the run, keeping the lines read before")
{
    const FixedRegionalSettings regional(testing::localeFormat("C"));
    const AsciiDecoder decoder;
    for (const std::string &before : {std::string("100\n"), std::string("0\n")}) {
        CAPTURE(before);
        ScriptedInput bytes(before + "200\n", 4);
        bytes.failAfter = before.size();
        StandardInput input{bytes, decoder, false};
        std::ostringstream out;
        std::ostringstream err;
        StreamSink outSink(out);
        StreamSink errSink(err);
        const int status = runBatch(UnitMode::Imperial, input, regional, outSink, errSink);
        const bool good = before == "100\n";
        CHECK(status == (good ? ExitUsage : ExitNotPositive));
        CHECK(out.str() == (good ? "100\t0.51\t0.52\t13.21\n" : "\t\t\t\n"));
        CHECK(err.str().ends_with("freefall: cannot read standard input: " +
                                  std::generic_category().message(EIO) + "\n"));
    }
}
