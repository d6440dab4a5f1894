# One interface target carries the standard, the warnings and the floating-point rules of every
# target of the project.
if(CMAKE_CXX_BYTE_ORDER STREQUAL "BIG_ENDIAN")
  message(FATAL_ERROR "The project image is little-endian; big-endian targets are not supported.")
endif()

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_library(jadvalon_common INTERFACE)
target_compile_options(jadvalon_common INTERFACE
  -Wall -Wextra -Wpedantic
  # The generator's scores must be the same on every machine and build: no fused multiply-add.
  -ffp-contract=off -fno-fast-math)
if(JADVALON_WERROR)
  target_compile_options(jadvalon_common INTERFACE -Werror)
endif()
if(JADVALON_SANITIZE)
  target_compile_options(jadvalon_common INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(jadvalon_common INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(jadvalon_common INTERFACE ${PROJECT_SOURCE_DIR}/src)
