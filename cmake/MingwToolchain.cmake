# Cross build for Windows with mingw-w64: the shell-extension DLL and its test program. The file
# that includes this sets CMAKE_SYSTEM_PROCESSOR (x86_64 or i686). Libraries and headers come only
# from the cross sysroot.
set(CMAKE_SYSTEM_NAME Windows)

set(QV_MINGW_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${QV_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${QV_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${QV_MINGW_TRIPLE}-windres)
set(QV_WIDL ${QV_MINGW_TRIPLE}-widl)

set(CMAKE_FIND_ROOT_PATH /usr/${QV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
