// The program's name and version, as the version record and --version give them.
#pragma once

#define FREEFALL_NAME "Freefall"
#define FREEFALL_VERSION_TEXT "1.00"
#define FREEFALL_DESCRIPTION "Calculate gravity stopping distances"
