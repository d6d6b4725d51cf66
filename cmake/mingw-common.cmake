# Shared by both MinGW-w64 toolchains; PICORON_MINGW_TRIPLET is set first.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model
# lacks. Linked statically, it adds no DLL.
set(CMAKE_C_COMPILER ${PICORON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PICORON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PICORON_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PICORON_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The exe must run on a bare Windows: no MinGW runtime DLLs beside it. The
# static C++ runtime is most of its size, so the linker drops every function
# nothing calls (and the top-level CMakeLists builds for size).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
