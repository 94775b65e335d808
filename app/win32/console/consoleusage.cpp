// The same forms and statuses as the help of a POSIX system; the number format and the examples
// are those of Windows.
#include "app/win32/console/consoleusage.h"

#include "app/cli/commandline.h"
#include "logic/boxes.h"

namespace freefall {

const char *consoleUsageText()
{
    // The counts follow the boxes, as in the shared text.
    static const std::string text = [] {
        const std::string count(countWord(kBoxes.size()));
        return usageOpening("--help, /?") +
               "regional settings of Windows (Control Panel, Region, Additional settings).\n"
               "With -, each input line gives one output line of the same " +
               count +
               " texts separated\n"
               "by tabs, or " +
               count +
               " empty fields and a message naming the line number when the\n"
               "line gives no result; for example:\n"
               "  type speeds.txt | freefall --imperial -\n"
               "  freefall --metric - < speeds.txt > distances.txt\n"
               "Exit status (ERRORLEVEL): 0 shown (or the window opened), 1 speed not greater\n"
               "than zero, 2 usage error, standard input unreadable, or Freefall.exe not\n"
               "started from this folder, 3 no result (overflow, a result too large for its\n"
               "box, or the number functions of Windows failed), 4 the output could not be\n"
               "written (standard output closed or full). With -, the status of the first\n"
               "line without a result, or 0.\n";
    }();
    return text.c_str();
}

bool asksForConsoleHelp(const std::vector<std::u16string> &arguments)
{
    return arguments.size() == 1 && arguments.front() == u"/?";
}

} // namespace freefall
