# The native build: the platform-free code and its unit tests, under the address and undefined-behaviour
# sanitizers.
find_package(GTest REQUIRED)

set(HG_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${HG_SANITIZERS})
add_link_options(${HG_SANITIZERS})

add_library(hourglade_core STATIC ${HG_CORE_SOURCES})

add_subdirectory(tests/unit)
