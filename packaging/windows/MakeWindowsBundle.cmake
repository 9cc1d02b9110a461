# cmake -DX64_BUILD=DIR -DX86_BUILD=DIR -DOUTPUT=DIR -P MakeWindowsBundle.cmake
# Gathers the x64 and x86 builds of QVIBWInfo.dll with their property schema, the registration
# scripts and a short read-me into OUTPUT/QVIBWInfo-VERSION-windows.zip; VERSION is the project
# version of the x64 build.
foreach(variable IN ITEMS X64_BUILD X86_BUILD OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "MakeWindowsBundle: -D${variable}=... is required")
    endif()
endforeach()

file(STRINGS ${X64_BUILD}/CMakeCache.txt version_line REGEX "^CMAKE_PROJECT_VERSION:STATIC=")
string(REGEX REPLACE "^CMAKE_PROJECT_VERSION:STATIC=" "" QV_VERSION "${version_line}")
if(QV_VERSION STREQUAL "")
    message(FATAL_ERROR "MakeWindowsBundle: no project version in ${X64_BUILD}")
endif()
set(name QVIBWInfo-${QV_VERSION}-windows)

# The PE header's machine word tells the builds apart, so a swapped pair of folders is refused
# before anything is written.
function(check_dll dll folder machine)
    if(NOT EXISTS ${dll})
        message(FATAL_ERROR "MakeWindowsBundle: ${dll} is missing")
    endif()
    file(READ ${dll} pe_offset OFFSET 60 LIMIT 4 HEX)
    string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" pe_offset ${pe_offset})
    math(EXPR at "0x${pe_offset} + 4")
    file(READ ${dll} found OFFSET ${at} LIMIT 2 HEX)
    if(NOT found STREQUAL machine)
        message(FATAL_ERROR "MakeWindowsBundle: ${dll} is not a ${folder} build")
    endif()
endfunction()
set(x64_dll ${X64_BUILD}/shellext/win/QVIBWInfo.dll)
set(x86_dll ${X86_BUILD}/shellext/win/QVIBWInfo.dll)
check_dll(${x64_dll} x64 6486)
check_dll(${x86_dll} x86 4c01)

set(stage ${OUTPUT}/${name})
file(REMOVE_RECURSE ${stage})
file(REMOVE ${OUTPUT}/${name}.zip)
# Each DLL with the property schema its registration reads from its own folder.
file(COPY ${x64_dll} ${X64_BUILD}/shellext/win/QVIBWInfo.propdesc DESTINATION ${stage}/x64)
file(COPY ${x86_dll} ${X86_BUILD}/shellext/win/QVIBWInfo.propdesc DESTINATION ${stage}/x86)
set(here ${CMAKE_CURRENT_LIST_DIR})
file(COPY ${here}/register.cmd ${here}/unregister.cmd DESTINATION ${stage})
configure_file(${here}/README.txt.in ${stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${name}.zip --format=zip ${name} WORKING_DIRECTORY ${OUTPUT}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "MakeWindowsBundle: the zip could not be written")
endif()
message(STATUS "Windows bundle: ${OUTPUT}/${name}.zip")
