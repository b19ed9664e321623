# One CTest entry per test executable: under Wine each process costs about
# half a second to start, so test cases are not registered one by one.
# A Windows build without an emulator (a plain build on Windows) builds its
# tests but registers none.
set(HUEVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(HUEVANE_WINE_ENVIRONMENT
  "WINEPREFIX=${HUEVANE_WINEPREFIX}"
  "WINELOADER=${CMAKE_CROSSCOMPILING_EMULATOR}"
  "WINEDEBUG=-all"
  "WINEDLLOVERRIDES=mscoree,mshtml=\;winemenubuilder.exe=d")

function(huevane_add_test target)
  if(WIN32 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
  if(WIN32)
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "${HUEVANE_WINE_ENVIRONMENT}")
  endif()
endfunction()
