# The web front-end's build settings, read before anything is built.
# Emscripten's JavaScript optimiser runs under Node and needs Debian's acorn,
# which Node finds only through NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# The tests run under Node. Node 20's own fetch breaks Emscripten 3.1.6's loader.
find_program(HUEPREV_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${HUEPREV_NODE} --no-experimental-fetch)
