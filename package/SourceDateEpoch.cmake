# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE). The DEB generator stamps every
# file and archive member with SOURCE_DATE_EPOCH when it is set, so the same commit packaged in
# any folder, at any time, gives the same bytes. Unless the caller sets it, it is the last
# commit's time, or without git the newest changelog entry's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND git -C "${CPACK_NUMBYTES_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE status)
  if(NOT status STREQUAL "0" OR NOT epoch MATCHES "^[0-9]+$")
    execute_process(
      COMMAND dpkg-parsechangelog -l "${CPACK_NUMBYTES_SOURCE_DIR}/package/changelog" -STimestamp
      OUTPUT_VARIABLE epoch
      OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
