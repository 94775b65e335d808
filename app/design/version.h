// The program's name and version, as the version record and --version give them.
#pragma once

// Generated from the Debian changelog, the one place the version is written.
#include "app/design/versionnumber.h"

#define FREEFALL_NAME "Freefall"
#define FREEFALL_DESCRIPTION "Calculate gravity stopping distances"
