# One CTest entry per test executable: under Wine each process costs about
# half a second to start, so test cases are not registered one by one.
# A Windows build without an emulator (a plain build on Windows) builds its
# tests but registers none.
#
# Under Wine each test runs in a world of its own (tests/isolated.sh): a
# fresh copy of the Wine prefix with its own Wine server and X display, all
# of it ended when the test ends, so that no test sees what another left.

# The command that runs `ARGN` isolated, with its work in `name`'s folder.
# Give --x-server-of-its-own first for a test that starts its own X server.
function(huevane_isolated_command out name)
  set(${out} bash ${PROJECT_SOURCE_DIR}/tests/isolated.sh ${CMAKE_BINARY_DIR}/isolated/${name} ${ARGN} PARENT_SCOPE)
endfunction()

function(huevane_add_test target)
  if(NOT WIN32)
    add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
  elseif(CMAKE_CROSSCOMPILING_EMULATOR)
    huevane_isolated_command(command ${target} -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}>
                             --gtest_color=no)
    add_test(NAME ${target} COMMAND ${command})
  endif()
endfunction()
