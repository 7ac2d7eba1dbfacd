# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, for std::thread).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(GETALVELD_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GETALVELD_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GETALVELD_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${GETALVELD_MINGW}-windres)
set(CMAKE_AR ${GETALVELD_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${GETALVELD_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers only from the MinGW root (and the prefixes given on the command line);
# programs, such as Qt's host tools, from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${GETALVELD_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# The build machine's pkg-config would hand out Linux libraries (xcb, fontconfig, ...).
set(ENV{PKG_CONFIG_LIBDIR} /nonexistent)
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
