# Cross-builds the Windows program on Debian with mingw-w64 (package g++-mingw-w64-x86-64).
# The posix thread model is used for its complete C++ library (std::thread, std::mutex); the
# program links its runtime statically, so no mingw DLL has to travel with it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FREEFALL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FREEFALL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FREEFALL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${FREEFALL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FREEFALL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
