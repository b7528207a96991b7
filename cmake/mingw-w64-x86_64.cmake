# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and std::mutex need). Every program links libgcc, libstdc++ and winpthread
# statically, so each .exe runs on a clean Windows without DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AMBREL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${AMBREL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AMBREL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${AMBREL_MINGW_TRIPLET}-windres)

# The libraries built for MinGW by scripts/windows-deps.sh live in AMBREL_WINDOWS_DEPS;
# nothing is taken from the build machine's own folders.
set(CMAKE_FIND_ROOT_PATH /usr/${AMBREL_MINGW_TRIPLET})
if(AMBREL_WINDOWS_DEPS)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${AMBREL_WINDOWS_DEPS})
  set(ENV{PKG_CONFIG_LIBDIR} ${AMBREL_WINDOWS_DEPS}/lib/pkgconfig)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests run under Wine, in the prefix the test script prepares.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
