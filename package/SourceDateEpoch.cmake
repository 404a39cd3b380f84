# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE). The DEB generator stamps every
# file and archive member with SOURCE_DATE_EPOCH when it is set, so the same sources packaged in
# any folder, at any time, give the same bytes. Unless the caller sets it, it is the time of the
# changelog's newest entry, as Debian's own package builds take it.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND dpkg-parsechangelog -l "${CPACK_NUMBYTES_SOURCE_DIR}/package/changelog" -STimestamp
    OUTPUT_VARIABLE epoch
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
