cmake_minimum_required(VERSION 3.25)
# Makes the package with CPack, opens it, and checks that it holds the README
# and a program of the right kind, each entry with the time of the commit
# that it is built from, which makes the zip the same wherever and whenever
# it is built. Run with cmake -P, given SOURCE, BUILD, PACKAGE, OBJDUMP and
# MAGIC, with TZ=UTC0: a zip's times are a clock's, which are read as UTC.
execute_process(COMMAND cpack WORKING_DIRECTORY ${BUILD} RESULT_VARIABLE failed OUTPUT_QUIET)
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
# Sources without their history: the first time that a zip can hold.
execute_process(COMMAND git -C ${SOURCE} log -1 --format=%ct OUTPUT_VARIABLE commit_time
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
if(failed OR NOT commit_time)
  set(commit_time 315532800)
endif()
# A zip counts its times in two seconds.
math(EXPR commit_time "${commit_time} / 2 * 2")
set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
string(TIMESTAMP expected "%Y-%m-%d %H:%M:%S" UTC)
foreach(entry IN LISTS contents)
  file(TIMESTAMP ${opened}/${entry} time "%Y-%m-%d %H:%M:%S" UTC)
  if(NOT time STREQUAL expected)
    message(FATAL_ERROR "${entry} in ${zip} carries ${time}, not the commit's time ${expected}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${OBJDUMP} -DEXE=${opened}/Huevane.exe -DMAGIC=${MAGIC}
                        -P ${CMAKE_CURRENT_LIST_DIR}/CheckProgram.cmake RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the program in ${zip} is not a standalone GUI program")
endif()
# The program in the zip is the program built and checked beside it.
file(SHA256 ${opened}/Huevane.exe zipped)
file(SHA256 ${BUILD}/shell/Huevane.exe built)
if(NOT zipped STREQUAL built)
  message(FATAL_ERROR "the program in ${zip} is not ${BUILD}/shell/Huevane.exe")
endif()
message(STATUS "${zip}: Huevane.exe and README.md")
