find_program(GCOVR gcovr)
need(GCOVR COVERAGE gcovr)

# The target `coverage` reports, after the tests of a --coverage build have run, which lines and
# branches of the programs' own code (output/, stats/ and encode/, tests left out) they reached,
# and fails unless they reached every line. Branches that only the compiler made (the throws of the
# library calls, the unreachable ones) are not counted. The counters that it read are deleted,
# so a later run counts afresh.
add_custom_target(coverage
  COMMAND ${GCOVR} --root ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}
    --filter output/ --filter stats/ --filter encode/ --exclude ".*_test\\.cpp"
    --exclude-throw-branches --exclude-unreachable-branches --delete
    --print-summary --fail-under-line 100
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  VERBATIM)
