# Cross-compiling hueprev.exe with Debian's mingw-w64. The preset names the
# target in HUEPREV_MINGW: i686-w64-mingw32 or x86_64-w64-mingw32. The -posix
# compilers have the std::thread and std::mutex that GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${HUEPREV_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HUEPREV_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${HUEPREV_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HUEPREV_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
