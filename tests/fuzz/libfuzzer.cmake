# The map reader's libFuzzer target needs clang, while the rest of the project
# is built with the compiler it was configured with; so the target is a small
# project of its own (libfuzzer/) that is built with clang beside the rest.
# Sets VARNOCK_MAP_FUZZER to the fuzzer's path, or empty where clang cannot
# build it (no clang, or no libFuzzer runtime): the test then replays
# mutations with the project's compiler instead.
option(VARNOCK_LIBFUZZER "Fuzz the map reader with libFuzzer where clang can build it" ON)
set(VARNOCK_MAP_FUZZER "")
if(VARNOCK_LIBFUZZER)
  find_program(VARNOCK_CLANGXX NAMES clang++ clang++-14)
endif()

# Links a target that does nothing, as the fuzzer will be linked; checked on
# every configure, since the runtime may come or go with a package.
function(varnock_libfuzzer_links result)
  set(probe ${CMAKE_CURRENT_BINARY_DIR}/libfuzzer_probe)
  file(WRITE ${probe}.cpp "#include <cstddef>\n#include <cstdint>\n"
       "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(COMMAND ${VARNOCK_CLANGXX} -fsanitize=fuzzer,address,undefined ${probe}.cpp -o ${probe}
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  file(REMOVE ${probe} ${probe}.cpp)
  if(status EQUAL 0)
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

if(VARNOCK_LIBFUZZER AND VARNOCK_CLANGXX)
  varnock_libfuzzer_links(links)
  if(links)
    include(ExternalProject)
    set(fuzzerDir ${CMAKE_CURRENT_BINARY_DIR}/libfuzzer)
    ExternalProject_Add(map_reader_fuzzer
      SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/libfuzzer
      BINARY_DIR ${fuzzerDir}
      CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VARNOCK_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
                 -DVARNOCK_ROOT=${CMAKE_SOURCE_DIR}
      # Its own build decides what is out of date.
      BUILD_ALWAYS ON
      INSTALL_COMMAND ""
      BUILD_BYPRODUCTS ${fuzzerDir}/map_reader_fuzzer)
    set(VARNOCK_MAP_FUZZER ${fuzzerDir}/map_reader_fuzzer)
  endif()
endif()
if(NOT VARNOCK_MAP_FUZZER)
  message(STATUS "Map reader fuzz test: libFuzzer not available, replaying mutations instead")
endif()
