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

if(LUDORA_SANITIZE)
    target_compile_options(ludora_config INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(ludora_config INTERFACE -fsanitize=address,undefined)
endif()
