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
