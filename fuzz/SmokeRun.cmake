# cmake -DFUZZER=<target> -DRUNS=<executions> -DFOUND=<folder> -DSEEDS=<folder> -P SmokeRun.cmake
#
# Runs the fuzz target from a fixed seed over the seeds in SEEDS and an emptied FOUND, where it
# writes the inputs it finds, and fails when the target finds a fault (a crash leaves its input
# in the working folder as crash-<sha1>).
file(REMOVE_RECURSE ${FOUND})
file(MAKE_DIRECTORY ${FOUND})
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -print_final_stats=1 ${FOUND} ${SEEDS}
  RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${FUZZER} found a fault (exit status '${status}')")
endif()
