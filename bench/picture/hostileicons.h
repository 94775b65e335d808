// Icon files made to cost a loader as much as the 1 MiB file limit allows.
#pragma once

#include <QString>

namespace freefall::bench {

// Writes each hostile file, and one ordinary icon to measure them against, into directory.
// Returns false when a file cannot be written.
bool writeHostileIcons(const QString &directory);

} // namespace freefall::bench
