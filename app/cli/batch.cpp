// A million lines should take no longer than a bare formula in an interpreter, so the loop
// reuses its buffers, hands output on in large pieces, and makes the regional settings once.
#include "app/cli/batch.h"

#include "app/cli/commandline.h"
#include "app/cli/linereader.h"
#include "app/cli/standardoutput.h"
#include "app/cli/typedcalculation.h"
#include "app/cli/utf8.h"

#include <cstdint>
#include <string>
#include <system_error>

namespace freefall {

namespace {

constexpr std::size_t kOutputPiece = 64 * 1024;

class Batch
{
public:
    Batch(UnitMode mode, StandardInput &input, const RegionalSettings &regional, ByteSink &out,
          ByteSink &err)
        : mode_(mode), input_(input), regional_(regional), out_(out), err_(err)
    {
        pending_.reserve(kOutputPiece + 1024);
    }

    int run()
    {
        // Nothing computed waits for input that may be slow to come.
        LineReader reader(input_.bytes, [this] { return !input_.interactiveOutput || handOn(); });
        try {
            while (const std::optional<LineReader::Line> line = reader.next()) {
                ++lineNumber_;
                calculateLine(*line);
                if (pending_.size() >= kOutputPiece)
                    handOn();
                if (failedOutput_)
                    return ExitNotWritten;
            }
        } catch (const std::system_error &error) {
            err_.write("freefall: cannot read standard input: " + error.code().message() + '\n');
            if (status_ == ExitShown)
                status_ = ExitUsage;
        }
        return handOn() ? status_ : int(ExitNotWritten);
    }

private:
    void calculateLine(const LineReader::Line &line)
    {
        // Only the start of a very long line is kept: it is too long for any box.
        if (line.cut) {
            refuse({ExitUsage, tooLongForBox()});
            return;
        }
        input_.decoder.decode(line.bytes, typed_);
        const TypedCalculation calculation(mode_, typed_, regional_);
        if (const std::optional<Refusal> &refusal = calculation.refusal()) {
            refuse(*refusal);
            return;
        }
        const char *separator = "";
        for (const BoxDescription &box : kBoxes) {
            pending_ += separator;
            appendUtf8(pending_, calculation.text(box.box));
            separator = "\t";
        }
        pending_ += '\n';
    }

    // The line keeps its place with empty fields, and the reason goes to err in one piece.
    void refuse(const Refusal &refusal)
    {
        pending_.append(kBoxes.size() - 1, '\t');
        pending_ += '\n';
        if (status_ == ExitShown)
            status_ = refusal.status;
        // On a terminal the reason follows the lines before it.
        if (input_.interactiveOutput && !handOn())
            return;
        std::string message = "freefall: line " + std::to_string(lineNumber_) + ": ";
        message += refusal.status == ExitFault ? "no result: " : "the speed ";
        message += refusal.reason;
        message += '\n';
        err_.write(message);
    }

    // Writes out what is pending and flushes standard output; false once that has failed.
    bool handOn()
    {
        if (failedOutput_)
            return false;
        failedOutput_ = !writeStandardOutput(out_, pending_, true, err_);
        pending_.clear();
        return !failedOutput_;
    }

    UnitMode mode_;
    StandardInput &input_;
    const RegionalSettings &regional_;
    ByteSink &out_;
    ByteSink &err_;
    std::u16string typed_;
    std::string pending_;
    std::uintmax_t lineNumber_ = 0;
    int status_ = ExitShown;
    bool failedOutput_ = false;
};

} // namespace

int runBatch(UnitMode mode, StandardInput &input, const RegionalSettings &regional, ByteSink &out,
             ByteSink &err)
{
    return Batch(mode, input, regional, out, err).run();
}

} // namespace freefall
