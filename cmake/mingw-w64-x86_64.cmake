# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which std::thread
# and Qt need). Used to build Qt for Windows and, through that Qt's qt-cmake, Zel itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEL_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${ZEL_MINGW_TRIPLET}-objdump)

# Headers and libraries come from the MinGW sysroot (and the prefixes added to the search
# roots, such as Qt's), never from the Linux host; build tools run on the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ZEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
