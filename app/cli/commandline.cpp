// The command-line mode takes TEXT as typed into a freshly opened window's input box and
// prints what Calculate then leaves in the four boxes, so a printed figure matches the screen.
#include "app/cli/commandline.h"

#include "app/cli/standardoutput.h"
#include "app/cli/typedcalculation.h"
#include "app/cli/utf8.h"
#include "app/design/version.h"
#include "logic/boxes.h"

#include <algorithm>

namespace freefall {

namespace {

// TEXT "-" stands for the lines of standard input.
constexpr std::u16string_view kStandardInput = u"-";

int usageError(ByteSink &err, const std::string &problem)
{
    err.write("freefall: " + problem +
              "; usage: freefall [--imperial TEXT | --metric TEXT | --help | --version]\n");
    return ExitUsage;
}

int calculateFromCommandLine(UnitMode mode, const std::u16string &typed,
                             const RegionalSettings &regional, ByteSink &out, ByteSink &err)
{
    const TypedCalculation calculation(mode, typed, regional);
    if (const std::optional<Refusal> &refusal = calculation.refusal()) {
        switch (refusal->status) {
        case ExitUsage:
            return usageError(err, std::string("TEXT ") + refusal->reason);
        case ExitFault:
            err.write(std::string("freefall: no result: ") + refusal->reason + '\n');
            return ExitFault;
        default:
            err.write(std::string("freefall: the speed ") + refusal->reason + '\n');
            return refusal->status;
        }
    }
    std::string lines;
    for (const BoxDescription &box : kBoxes) {
        lines += box.unitLabel;
        lines += ' ';
        appendUtf8(lines, calculation.text(box.box));
        lines += '\n';
    }
    out.write(lines);
    return ExitShown;
}

int runForm(std::span<const std::u16string> arguments, const RegionalSettingsFactory &regional,
            StandardInput &input, ByteSink &out, ByteSink &err, std::string_view usage)
{
    const std::u16string &option = arguments.front();
    if (arguments.size() == 1 && option == u"--help") {
        out.write(usage);
        return ExitShown;
    }
    if (arguments.size() == 1 && option == u"--version") {
        out.write(FREEFALL_NAME " " FREEFALL_VERSION_TEXT "\n");
        return ExitShown;
    }
    if (option != u"--imperial" && option != u"--metric")
        return usageError(err, "unknown option");
    if (arguments.size() < 2)
        return usageError(err, "the speed TEXT is missing");
    if (arguments.size() > 2)
        return usageError(err, "too many arguments");
    const UnitMode mode = option == u"--imperial" ? UnitMode::Imperial : UnitMode::Metric;
    if (arguments[1] == kStandardInput)
        return runBatch(mode, input, *regional(RegionalUse::ManyCalculations), out, err);
    return calculateFromCommandLine(mode, arguments[1], *regional(RegionalUse::OneCalculation), out,
                                    err);
}

// The boxes' unit labels as the usage texts list them: "FPM, MPS, IN and MM".
std::string boxLabelList()
{
    std::string labels;
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        labels += i == 0 ? "" : i + 1 == kBoxes.size() ? " and " : ", ";
        labels += kBoxes[i].unitLabel;
    }
    return labels;
}

} // namespace

std::string usageOpening(std::string_view helpOptions)
{
    // The counts follow the boxes; the rest reads as written.
    constexpr std::size_t kOptionsWidth = 19;
    std::string help(helpOptions);
    help.resize(std::max(help.size() + 1, kOptionsWidth), ' ');
    return "Usage:\n"
           "  freefall                    open the calculator window\n"
           "  freefall --imperial TEXT    calculate from a speed in feet per minute\n"
           "  freefall --metric TEXT      calculate from a speed in metres per second\n"
           "  freefall --imperial -       the same for each line of standard input\n"
           "  freefall --metric -\n"
           "  freefall " +
           help +
           "show this text\n"
           "  freefall --version          show the version\n"
           "TEXT is read as if typed into the speed box (at most " +
           std::to_string(kBoxMaxLength) +
           " characters). The result\n"
           "is printed as " +
           std::string(countWord(kBoxes.size())) + " lines, " + boxLabelList() +
           ", in the number format of the\n";
}

const char *usageText()
{
    static const std::string text = [] {
        const std::string count(countWord(kBoxes.size()));
        return usageOpening("--help") +
               "regional settings (LC_ALL, LC_NUMERIC, LANG). With -, each input line gives one\n"
               "output line of the same " +
               count + " texts separated by tabs, or " + count +
               " empty fields and\n"
               "a message naming the line number when the line gives no result; for example:\n"
               "  seq 100 100 1000 | freefall --imperial -\n"
               "Exit status: 0 shown (or the window closed), 1 speed not greater than zero,\n"
               "2 usage error, standard input unreadable, or the window could not be opened,\n"
               "3 no result (overflow, or a result too large for its box),\n"
               "4 the output could not be written (standard output closed or full).\n"
               "With -, the status of the first line without a result, or 0.\n";
    }();
    return text.c_str();
}

std::optional<int> runCommandLine(std::span<const std::u16string> arguments,
                                  const RegionalSettingsFactory &regional, StandardInput &input,
                                  ByteSink &out, ByteSink &err, std::string_view usage)
{
    if (arguments.empty())
        return std::nullopt;
    const int status = runForm(arguments, regional, input, out, err, usage);
    // The batch form has reported its own failed output already.
    if (status == ExitNotWritten)
        return status;
    return flushStandardOutput(out, status, err);
}

} // namespace freefall
