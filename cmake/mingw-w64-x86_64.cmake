# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the POSIX-thread
# variant, which has std::thread and std::mutex). Used for Qt itself
# (scripts/windows-qt) and for Ordel (scripts/test-windows).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORDEL_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ORDEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORDEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ORDEL_MINGW}-windres)

# Libraries, headers and CMake packages come from the MinGW-w64 tree and from
# the roots given on the command line (-DCMAKE_FIND_ROOT_PATH=QT-PREFIX, the
# Qt that scripts/windows-qt built); programs, such as Qt's host tools, from
# the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ORDEL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
