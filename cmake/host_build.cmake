# Native side: core library, unit tests, host tools.
option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

find_package(GTest REQUIRED)

add_library(lq_core STATIC ${LQ_CORE_SOURCES})
target_include_directories(lq_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(lq_core PRIVATE ${LQ_CHARSET_FLAGS})

add_subdirectory(tools/packer)
add_subdirectory(tools/atlas)
add_subdirectory(tools/icon)
add_subdirectory(tests/unit)
