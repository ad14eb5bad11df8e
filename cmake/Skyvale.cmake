# Project-wide compile settings applied to every target of ours (never to
# third-party code).

if(SKYVALE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "SKYVALE_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage for the fuzzer in all of our code; the fuzz targets add the
  # fuzzer's main themselves.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(SKYVALE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(SKYVALE_COVERAGE)
  # Unoptimised, so each source line maps to code gcov can count.
  add_compile_options(--coverage -O0)
  add_link_options(--coverage)
endif()

# Source paths in diagnostics (null checks print __FILE__) are relative to the
# project root, so messages do not depend on where the tree was checked out.
add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=")

# skyvale_target(<target>): turns on the project's warnings (-Wall -Wextra)
# for one of our own targets.
function(skyvale_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# skyvale_library(<name> <alias> SOURCES ...): a static framework library whose
# headers are included as <gen/...>.
function(skyvale_library name alias)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  add_library(${alias} ALIAS ${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  skyvale_target(${name})
endfunction()
