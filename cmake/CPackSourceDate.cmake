# Read by cpack as it makes a package: every entry carries the time of the
# commit that the package is built from (SOURCE_DATE_EPOCH, which CPack's
# archives take for all their times), so that one commit makes one zip,
# byte for byte, whenever and wherever it is built. Sources without their
# history take the first time that a zip can hold, 1 January 1980.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_HUEVANE_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(failed OR NOT epoch)
    set(epoch 315532800)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
