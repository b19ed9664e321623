cmake_minimum_required(VERSION 3.25)
# Makes the package with CPack, opens it, and checks that it holds the README
# and a program of the right kind. Run with cmake -P, given BUILD, PACKAGE,
# OBJDUMP and MAGIC.
execute_process(COMMAND cpack -G ZIP WORKING_DIRECTORY ${BUILD} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cpack could not make the package")
endif()
set(zip ${BUILD}/${PACKAGE}.zip)
set(opened ${BUILD}/package-check)
file(REMOVE_RECURSE ${opened})
file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${opened})
file(GLOB contents RELATIVE ${opened} ${opened}/*)
list(SORT contents)
if(NOT contents STREQUAL "Huevane.exe;README.md")
  message(FATAL_ERROR "${zip} holds [${contents}], not Huevane.exe and README.md")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${OBJDUMP} -DEXE=${opened}/Huevane.exe -DMAGIC=${MAGIC}
                        -P ${CMAKE_CURRENT_LIST_DIR}/CheckProgram.cmake RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the program in ${zip} is not a standalone GUI program")
endif()
message(STATUS "${zip}: Huevane.exe and README.md")
