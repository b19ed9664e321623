# Read by cpack (its External generator, with the package's files staged in
# CPACK_TEMPORARY_DIRECTORY): makes the zip. One commit makes one zip, byte
# for byte, whoever builds it, wherever and whenever: the entries in name
# order, each with the commit's time (SOURCE_DATE_EPOCH, rounded down to the
# two seconds that a zip's times count in, and written as UTC) and fixed
# attributes, and none of the extra fields that would carry the builder's
# user and the file times of the build.
set(staged ${CPACK_TEMPORARY_DIRECTORY})
set(zip ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip)
math(EXPR epoch "$ENV{SOURCE_DATE_EPOCH} / 2 * 2")
file(GLOB entries RELATIVE ${staged} ${staged}/*)
list(SORT entries)
foreach(entry IN LISTS entries)
  execute_process(COMMAND chmod 0644 ${staged}/${entry} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND touch -d @${epoch} ${staged}/${entry} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 zip -X -D -q ${zip} ${entries}
                WORKING_DIRECTORY ${staged} COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${zip})
