# Shared helpers: every logic folder is one static library named qm_<folder>,
# built from all sources in that folder, with our strict warning set.

set(QM_WARNINGS -Wall -Wextra -Wpedantic -Werror)
# GCC 12 at -O2/-O3 reports false -Wrestrict errors inside std::string.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND QM_WARNINGS -Wno-restrict)
endif()

function(qm_strict target)
  target_compile_options(${target} PRIVATE ${QM_WARNINGS})
endfunction()

# qm_add_library(<folder> [DEPS qm_x ...] [EXTERNAL libs...])
function(qm_add_library folder)
  cmake_parse_arguments(ARG "" "" "DEPS;EXTERNAL" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target qm_${folder})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS} ${ARG_EXTERNAL})
  qm_strict(${target})
endfunction()

# qm_add_test_suite(<folder> DEPS ...): one GoogleTest program per library,
# built from every .cpp in tests/<folder>.
function(qm_add_test_suite folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target qm_${folder}_tests)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} qm_testsupport GTest::gtest GTest::gtest_main)
  qm_strict(${target})
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QM_TESTDATA=${CMAKE_CURRENT_SOURCE_DIR}/data"
    DISCOVERY_TIMEOUT 60)
endfunction()
