# Cross build for Windows with MinGW-w64: included by the toolchain file of
# each processor, which sets CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)

set(KWAREL_MINGW_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
# The posix thread model: the win32 one of this compiler has no std::thread.
set(CMAKE_C_COMPILER ${KWAREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KWAREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KWAREL_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${KWAREL_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KWAREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
