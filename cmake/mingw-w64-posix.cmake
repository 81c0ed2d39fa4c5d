# Cross build of the Win32 programs with Debian's MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs and tools built here run under Wine, in one fixed locale
# whatever the machine's: the tests expect its number and date formats.
set(QUARVELIN_TEST_LOCALE LC_ALL=C.UTF-8)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env ${QUARVELIN_TEST_LOCALE} ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)

# Compiler cache where the machine has one: the developers' work trees share
# their objects, and a rebuild after a rebase costs little.
find_program(QUARVELIN_CCACHE ccache)
if(QUARVELIN_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${QUARVELIN_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QUARVELIN_CCACHE})
endif()
