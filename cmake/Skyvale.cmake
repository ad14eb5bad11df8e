# Project-wide compile settings applied to every target of ours (never to
# third-party code).

if(SKYVALE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Source paths in diagnostics (null checks print __FILE__) are relative to the
# project root, so messages do not depend on where the tree was checked out.
add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=")

# skyvale_target(<target>): warnings and the source root include path.
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
