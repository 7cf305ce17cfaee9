# Cross-compiles for 64-bit Windows with Debian's mingw-w64. The -posix variants of the
# compilers are needed: the default -win32 ones have no std::thread or std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# ZEFT_MINGW_PREFIXES: the folders of libraries built for Windows (Qt and libjpeg from
# scripts/build-qt-mingw.sh and build-jpeg-mingw.sh), searched like the compiler's own.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZEFT_MINGW_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without Qt the executables run on a bare Windows machine without the mingw runtime
# DLLs. Qt's DLLs use those DLLs, so the window program's build links them too and ships
# them beside Qt's: one C++ runtime in the process.
if(NOT ZEFT_MINGW_SHARED_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
