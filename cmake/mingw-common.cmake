# What both Windows toolchains share; each sets `triple` and the processor, then includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
set(CMAKE_RC_COMPILER ${triple}-windres)
# Float and double arithmetic in SSE2 registers on both architectures, as in the native build:
# each single-precision result is rounded where the code stores it, not carried on in the x87's
# wider registers, so the flight is the same bits everywhere. (x86-64 does this by default; the
# flags say so for i686 and keep the build folder's check below honest for both.)
if(NOT CMAKE_CXX_FLAGS_INIT MATCHES "-mfpmath=sse")  # CMake reads this file more than once
  string(APPEND CMAKE_C_FLAGS_INIT " -msse2 -mfpmath=sse")
  string(APPEND CMAKE_CXX_FLAGS_INIT " -msse2 -mfpmath=sse")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_C_FLAGS_RELEASE "-O2" CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELEASE "-O2" CACHE STRING "")
# Every cross-built test runs under Wine, inside the private prefix and display of the run.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine_exec.sh)
