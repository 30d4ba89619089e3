# Cross-compiles the Windows program with the POSIX-thread flavour of mingw-w64 (Debian: g++-mingw-w64-x86-64-posix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HG_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${HG_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HG_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${HG_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HG_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests of the cross build run under Wine (the wrapper prepares the prefix and display).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
