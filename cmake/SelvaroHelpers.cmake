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

# slv_add_gtest(name sources...): one GoogleTest program, registered with CTest.
function(slv_add_gtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE slv_core slv_test_support GTest::gtest GTest::gmock GTest::gtest_main slv_warnings)
  target_compile_definitions(${name} PRIVATE SLV_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                               SLV_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
