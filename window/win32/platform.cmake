# The Win32 front-end's build settings, read before anything is built.
# Cross-compiled: a single static hueprev.exe, and no DLL beside any program,
# the tests included, since they run under Wine.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static)
# Only the code the program calls: each function and datum a section the linker may drop.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

# The tests run under Wine where its loader is installed (Debian keeps it out
# of PATH). The 32-bit one comes only with a foreign architecture, which this
# project does not add to a machine.
set(HUEPREV_WINE "" CACHE STRING "Wine loader that runs the Windows tests (wine, wine64); empty: build only")
if(HUEPREV_WINE)
  find_program(HUEPREV_WINE_LOADER NAMES ${HUEPREV_WINE} PATHS /usr/lib/wine NO_DEFAULT_PATH)
endif()
if(HUEPREV_WINE_LOADER)
  # Each test runs in a copy of the run's prefix and an X server of its own.
  set(HUEPREV_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/win32/run.sh ${HUEPREV_WINE_DIR}
                                    ${HUEPREV_WINE_LOADER})
  set(HUEPREV_TEST_FIXTURE wine)
endif()
