# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (POSIX thread model, for
# std::thread and std::mutex). Programs are linked statically, so a built .exe runs on a bare
# Windows or under Wine without the compiler's DLLs beside it.
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HORAVIA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HORAVIA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HORAVIA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HORAVIA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HORAVIA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests and other built programs run under Wine on the build machine.
find_program(HORAVIA_WINE wine)
if(HORAVIA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HORAVIA_WINE})
endif()
