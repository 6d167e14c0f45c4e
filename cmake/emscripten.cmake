# Building the calculation, the window tables and the page's module for the
# browser with Debian's emscripten (package emscripten, 3.1.6). Its own
# platform file does the rest; this one sets what every target needs:
#  - no exceptions: the calculation hands its errors back as values
#    (calc/ErrorCalculo.h), and the unwinding machinery would be a third of
#    the module;
#  - link-time optimisation: the calculation's units inlined into each
#    other make a request about 1.7 times faster in the browser
#    (bench/peticion);
#  - optimised for size (-Oz), and without run-time type information (the
#    names of every type a std::function holds, which nothing here asks
#    for): the module is most of what a first visit downloads
#    (bench/sitio), and a request costs a few microseconds either way
#    (bench/peticion);
#  - node as the runner of the built tests, with fetch off (Debian's
#    emscripten with node 20 needs it so) and reading its programs from a
#    file, not a pipe;
#  - node's own packages (acorn) where emscripten's tools look for them:
#    NODE_PATH, which the web preset sets for the build.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_CXX_FLAGS_INIT
    "-fno-exceptions -flto -fno-rtti -DEMSCRIPTEN_HAS_UNBOUND_TYPE_NAMES=0")
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG" CACHE STRING "Optimised for size")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-Oz" CACHE STRING "Optimised for size")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fno-exceptions -flto -sALLOW_MEMORY_GROWTH=1")
find_program(VELMORA_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${VELMORA_NODE};--no-experimental-fetch"
    CACHE STRING "Runs a built test under node" FORCE)
