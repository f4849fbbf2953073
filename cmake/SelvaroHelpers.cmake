# Warnings and sanitizers shared by every target of the project.
add_library(slv_warnings INTERFACE)
target_compile_options(slv_warnings INTERFACE -Wall -Wextra -Werror)
# GCC 12 at -O3 misreads the standard library's own code: string
# concatenations ("." + name) as overlapping copies (GCC bug 105329) and the
# destruction of vectors as a use after free (GCC bug 106119).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(slv_warnings INTERFACE -Wno-restrict -Wno-use-after-free)
endif()

if(SLV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
