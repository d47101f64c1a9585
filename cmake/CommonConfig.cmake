# One interface target carries the language standard, warnings and strict Qt defines;
# every target of the project links it.
add_library(ludora_config INTERFACE)
target_compile_features(ludora_config INTERFACE cxx_std_20)
target_compile_options(ludora_config INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)
target_compile_definitions(ludora_config INTERFACE
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_PROCESS_COMBINED_ARGUMENT_START
    QT_NO_CAST_FROM_BYTEARRAY)
# The sources' own directory, and the headers CMake writes (ludora4version.h).
target_include_directories(ludora_config INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)

option(LUDORA_WERROR "Treat compiler warnings as errors (scripts/test turns it on)" OFF)
if(LUDORA_WERROR)
    target_compile_options(ludora_config INTERFACE $<$<CXX_COMPILER_ID:GNU,Clang>:-Werror>)
endif()

# The stricter rules the programs' own code keeps (the tests and the benchmark do not
# take them): ludora_strict(<target>...) gives them to a target of the programs.
add_library(ludora_strict INTERFACE)
target_compile_options(ludora_strict INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wshadow -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor -Wcast-qual>)
target_compile_definitions(ludora_strict INTERFACE QT_NO_CAST_FROM_ASCII)
function(ludora_strict)
    foreach(target IN LISTS ARGN)
        target_link_libraries(${target} PRIVATE ludora_strict)
    endforeach()
endfunction()

if(LUDORA_SANITIZE)
    target_compile_options(ludora_config INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(ludora_config INTERFACE -fsanitize=address,undefined)
endif()
