# Warnings apply to our own targets only; third-party headers come in as system includes.
option(QV_WERROR "Treat warnings in our code as errors" ON)

function(qv_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${QV_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                                                 $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
                                                 $<$<CXX_COMPILER_ID:Clang>:-Wshadow-uncaptured-local>
                                                 $<$<BOOL:${QV_WERROR}>:-Werror>)
    endif()
endfunction()
