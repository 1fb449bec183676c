cmake_minimum_required(VERSION 3.21)
# Compiles, for syntax only, every source file of the program that has code for
# Windows alone, with the MinGW-w64 compiler: _WIN32 is defined, so the Qt
# headers turn Q_OS_WIN on and windows.h comes from MinGW. Our own code must be
# free of warnings; the Qt headers are system headers.
# Only Qt's own header folders: the system's C library and the mkspecs of the
# Linux build must not stand in for MinGW's.
list(REMOVE_DUPLICATES SYSTEM_INCLUDES)
list(FILTER SYSTEM_INCLUDES INCLUDE REGEX "/qt6(/Qt[A-Za-z]+)?$")
set(flags -std=c++17 -fsyntax-only -Wall -Wextra -Werror -DUNICODE -D_UNICODE)
foreach(dir IN LISTS INCLUDES)
    list(APPEND flags -I${dir})
endforeach()
foreach(dir IN LISTS SYSTEM_INCLUDES)
    list(APPEND flags -isystem ${dir})
endforeach()

# First make sure the headers really see Windows.
set(probe "${CMAKE_CURRENT_BINARY_DIR}/windows_probe.cpp")
file(WRITE "${probe}" "#include <QtGlobal>\n#ifndef Q_OS_WIN\n#error Q_OS_WIN is not defined\n#endif\n")
execute_process(COMMAND "${COMPILER}" ${flags} "${probe}" RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the cross compiler does not see Windows through the Qt headers:\n${errors}")
endif()

set(globs)
foreach(folder app capture config controllers device document file keyboard serial translations tools)
    list(APPEND globs "${SOURCE_DIR}/${folder}/*.cpp")
endforeach()
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" ${globs})
set(windows_sources)
foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" marks REGEX "^[ \t]*#[ \t]*(if|ifdef|ifndef|elif).*(Q_OS_WIN|_WIN32)")
    if(marks)
        list(APPEND windows_sources "${source}")
    endif()
endforeach()
# The hook is the heart of the Windows code; if it is not found, the search is broken.
if(NOT "capture/winhookcapture.cpp" IN_LIST windows_sources)
    message(FATAL_ERROR "no Windows code found (sources searched: ${sources})")
endif()

set(failed)
foreach(source IN LISTS windows_sources)
    execute_process(COMMAND "${COMPILER}" ${flags} "${SOURCE_DIR}/${source}"
                    RESULT_VARIABLE result ERROR_VARIABLE errors)
    if(result EQUAL 0)
        message(STATUS "ok: ${source}")
    else()
        message("${errors}")
        list(APPEND failed "${source}")
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "Windows code that does not compile: ${failed}")
endif()
