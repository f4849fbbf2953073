# Warnings and sanitizers shared by every target of the project.
add_library(slv_warnings INTERFACE)
target_compile_options(slv_warnings INTERFACE -Wall -Wextra -Werror)

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
