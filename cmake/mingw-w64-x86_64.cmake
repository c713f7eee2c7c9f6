# Cross build for 64-bit Windows with Debian's MinGW-w64 toolchain
# (g++-mingw-w64-x86-64-posix). Use with -DVOLTRAIL_CORE_ONLY=ON: there is no
# Qt for MinGW on Debian, so the cross build covers the Qt-free core and the
# Windows platform code and their tests, which run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VOLTRAIL_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix flavour: std::thread and friends in the runtime.
set(CMAKE_C_COMPILER ${VOLTRAIL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VOLTRAIL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VOLTRAIL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VOLTRAIL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the executables run anywhere (and under Wine) without the
# MinGW DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine, each call bounded in time.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(VOLTRAIL_WINE NAMES wine64 wine)
  find_program(VOLTRAIL_TIMEOUT NAMES timeout)
  if(VOLTRAIL_WINE AND VOLTRAIL_TIMEOUT)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VOLTRAIL_TIMEOUT} --kill-after=10 120 ${VOLTRAIL_WINE})
  endif()
endif()
