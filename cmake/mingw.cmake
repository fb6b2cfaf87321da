# Cross-compiling hueprev.exe with Debian's mingw-w64. The preset names the
# target in HUEPREV_MINGW: i686-w64-mingw32 or x86_64-w64-mingw32. The -posix
# compilers have the std::thread and std::mutex that GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
# CMake reads this file again for its own test projects; they need the target too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HUEPREV_MINGW)
if(NOT HUEPREV_MINGW)
  message(FATAL_ERROR "Set HUEPREV_MINGW to i686-w64-mingw32 or x86_64-w64-mingw32 (the windows presets do).")
endif()
if(NOT EXISTS /usr/bin/${HUEPREV_MINGW}-g++-posix)
  string(REGEX REPLACE "-.*" "" arch ${HUEPREV_MINGW})
  string(REPLACE "_" "-" arch ${arch})
  message(FATAL_ERROR "No ${HUEPREV_MINGW}-g++-posix: install Debian's g++-mingw-w64-${arch} "
                      "(bash scripts/deps.sh installs it).")
endif()
set(CMAKE_C_COMPILER ${HUEPREV_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HUEPREV_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${HUEPREV_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HUEPREV_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
