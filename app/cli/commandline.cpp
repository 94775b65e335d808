// The command-line mode takes TEXT as typed into a freshly opened window's input box and
// prints what Calculate then leaves in the four boxes, so a printed figure matches the screen.
#include "commandline.h"

#include "calculation.h"
#include "typedtext.h"
#include "utf8.h"
#include "version.h"

#include <array>

namespace freefall {

namespace {

void printLine(std::ostream &out, const BoxDescription &box, const std::u16string &text)
{
    out << box.unitLabel << ' ' << toUtf8(text) << '\n';
}

int usageError(std::ostream &err, const char *problem)
{
    err << "freefall: " << problem
        << "; usage: freefall [--imperial TEXT | --metric TEXT | --help | --version]\n";
    return ExitUsage;
}

int calculateFromCommandLine(UnitMode mode, const std::u16string &typed,
                             const RegionalSettings &regional, std::ostream &out, std::ostream &err)
{
    // In a fresh window the other speed box is empty, as are both distance boxes.
    std::array<std::u16string, kBoxes.size()> boxes;
    boxes[std::size_t(mode == UnitMode::Imperial ? Box::ImperialSpeed : Box::MetricSpeed)] = typed;
    const Verdict verdict = calculate(mode, boxes[std::size_t(Box::ImperialSpeed)],
                                      boxes[std::size_t(Box::MetricSpeed)], regional);
    switch (verdict.outcome) {
    case Verdict::Outcome::Clear:
        err << "freefall: the speed must be a number greater than zero\n";
        return ExitNotPositive;
    case Verdict::Outcome::Stop:
        err << "freefall: no result: " << RuntimeError(verdict.fault).what() << '\n';
        return ExitFault;
    case Verdict::Outcome::Show:
        break;
    }
    for (const BoxWrite &write : verdict.writes)
        boxes[std::size_t(write.box)] = write.text;
    for (const BoxDescription &box : kBoxes)
        printLine(out, box, boxes[std::size_t(box.box)]);
    return ExitShown;
}

} // namespace

const char *usageText()
{
    return "Usage:\n"
           "  freefall                    open the calculator window\n"
           "  freefall --imperial TEXT    calculate from a speed in feet per minute\n"
           "  freefall --metric TEXT      calculate from a speed in metres per second\n"
           "  freefall --help             show this text\n"
           "  freefall --version          show the version\n"
           "TEXT is read as if typed into the speed box (at most 9 characters). The result\n"
           "is printed as four lines, FPM, MPS, IN and MM, in the number format of the\n"
           "regional settings (LC_ALL, LC_NUMERIC, LANG).\n"
           "Exit status: 0 shown, 1 speed not greater than zero, 2 usage error,\n"
           "3 no result (overflow, or a result too large for its box),\n"
           "4 the output could not be written (standard output closed or full).\n";
}

std::optional<int> runCommandLine(std::span<const std::u16string> arguments,
                                  const RegionalSettingsFactory &regional, std::ostream &out,
                                  std::ostream &err)
{
    if (arguments.empty())
        return std::nullopt;
    const std::u16string &option = arguments.front();
    if (arguments.size() == 1 && option == u"--help") {
        out << usageText();
        return ExitShown;
    }
    if (arguments.size() == 1 && option == u"--version") {
        out << FREEFALL_NAME " " FREEFALL_VERSION_TEXT "\n";
        return ExitShown;
    }
    if (option != u"--imperial" && option != u"--metric")
        return usageError(err, "unknown option");
    if (arguments.size() < 2)
        return usageError(err, "the speed TEXT is missing");
    if (arguments.size() > 2)
        return usageError(err, "too many arguments");
    if (const char *problem = typedTextProblem(arguments[1]))
        return usageError(err, problem);
    if (arguments[1].size() > std::size_t(kBoxMaxLength))
        return usageError(err, "TEXT is longer than the box's 9 characters");
    const UnitMode mode = option == u"--imperial" ? UnitMode::Imperial : UnitMode::Metric;
    return calculateFromCommandLine(mode, arguments[1], *regional(), out, err);
}

} // namespace freefall
