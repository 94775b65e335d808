// Opens the calculator window and runs it until the user closes it.
#pragma once

namespace freefall {

int runWindow(int argc, char *argv[]);

} // namespace freefall
