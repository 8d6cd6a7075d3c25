# Build helpers shared by every folder of the tree.

function(pq_add_subdirectories)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# pq_add_library(<name> [DEPS <targets>...])
# A static library made of every .cpp below the calling folder.
function(pq_add_library name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# The environment every test runs in: no display, no sound card; the
# runner script gives each test process an empty user-data folder.
set(PQ_TEST_ENVIRONMENT
  "SDL_VIDEODRIVER=offscreen"
  "SDL_RENDER_DRIVER=software"
  "SDL_AUDIODRIVER=dummy"
  "sh" "${PROJECT_SOURCE_DIR}/cmake/run-test.sh")

# pq_add_tests(<name> [SOURCES <files>...] [DEPS <targets>...])
# A GoogleTest binary made of every .cpp below the calling folder (or the
# given sources), registered test by test with CTest.
function(pq_add_tests name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  if(A_SOURCES)
    set(sources ${A_SOURCES})
  else()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest_main GTest::gmock)
  # Tests that leave the working folder find the project's Data/ through it
  # (__FILE__ may be relative when a compiler cache rewrites paths).
  target_compile_definitions(${name} PRIVATE PQ_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # Run through `cmake -E env`: a list handed to the ENVIRONMENT property
  # would be split apart by gtest_discover_tests.
  set_target_properties(${name} PROPERTIES
    CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${PQ_TEST_ENVIRONMENT}")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    DISCOVERY_TIMEOUT 120)
endfunction()

# pq_add_benchmark(<name> <sources>... DEPS <targets>...)
function(pq_add_benchmark name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  add_executable(${name} ${A_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_DEPS} benchmark::benchmark_main)
endfunction()

# pq_add_fuzzer(<name> <sources>... DEPS <targets>...)
# A libFuzzer target; scripts/test.sh runs each for a bounded time.
function(pq_add_fuzzer name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  add_executable(${name} ${A_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${A_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  if(NOT TARGET fuzzers)
    add_custom_target(fuzzers)
  endif()
  add_dependencies(fuzzers ${name})
endfunction()

# pq_add_test_per_file(DEPS <targets>...)
# Every .cpp in the calling folder becomes a test binary of its own, named
# after the folder and the file, so that one broken file stops only itself.
function(pq_add_test_per_file)
  cmake_parse_arguments(A "" "PREFIX" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(source IN LISTS sources)
    get_filename_component(stem ${source} NAME_WE)
    pq_add_tests(${A_PREFIX}_${stem} SOURCES ${source} DEPS ${A_DEPS})
  endforeach()
endfunction()
