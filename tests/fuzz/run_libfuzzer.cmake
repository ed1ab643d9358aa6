# The map reader's fuzz test with libFuzzer, run by ctest as
#   cmake -DFUZZER=... -DSEED_WRITER=... -DCORPUS=... -DWORK=... -DSECONDS=... -P run_libfuzzer.cmake
# The working corpus starts afresh from the writer's whole files on every run,
# with the checked-in corpus as a second, read-only folder; an input that
# breaks the reader's promises is kept in WORK.
foreach(name FUZZER SEED_WRITER CORPUS WORK SECONDS)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "run_libfuzzer.cmake needs -D${name}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
execute_process(COMMAND ${SEED_WRITER} --write-seeds ${WORK}/corpus RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the writer's files could not be made (${status})")
endif()

# Inputs up to a whole file of the writer and then some.
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=40000 -timeout=30 -print_final_stats=1
          -dict=${CMAKE_CURRENT_LIST_DIR}/map_file.dict -artifact_prefix=${WORK}/ ${WORK}/corpus ${CORPUS}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the map reader failed under libFuzzer (exit ${status}); the input is kept in ${WORK}")
endif()
