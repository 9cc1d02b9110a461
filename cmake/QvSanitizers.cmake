# QV_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer;
# QV_FUZZ=ON (clang only) adds the libFuzzer targets with the same sanitizers.
option(QV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QV_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(QV_SANITIZE OR QV_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
# Coverage feedback from every library, not only from the fuzz entry points: without it libFuzzer
# sees none of the parsers' branches and mutates blind.
if(QV_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Every executable of a QV_SANITIZE build keeps the libraries it loads (see
# tests/sanitizers/KeepLibrariesLoaded.cpp). Called once, after all directories are added.
function(qv_keep_libraries_loaded directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/sanitizers/KeepLibrariesLoaded.cpp)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        qv_keep_libraries_loaded(${subdirectory})
    endforeach()
endfunction()
