// Reading a whole file that the user does not control, without ever waiting on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace freefall {

// Icon files larger than this are refused unread.
inline constexpr std::size_t kMaxPictureFileBytes = 1024 * 1024;

// The bytes of a regular disk file of at most maxBytes. Throws RuntimeError(FileNotFound) when
// it cannot be opened or is no disk file (a directory, a pipe, a device, which are refused
// without being opened for reading), and RuntimeError(InvalidPicture) when it is empty or
// larger.
std::vector<std::uint8_t> readPictureFile(std::u16string_view path, std::size_t maxBytes);

} // namespace freefall
