cmake_minimum_required(VERSION 3.25)
# Checks the built program with objdump: a GUI program of the expected kind
# that imports only the system's DLLs, with every hardening switched on. Run
# with cmake -P, given OBJDUMP, EXE and MAGIC (PE32 or PE32+), and
# COMPILE_COMMANDS, the build's compile_commands.json, where there is one.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${EXE}")
endif()
string(REGEX MATCH "Magic[\t ]+[0-9a-f]+[\t ]+\\(([A-Z0-9+]+)\\)" _ "${headers}")
if(NOT CMAKE_MATCH_1 STREQUAL MAGIC)
  message(FATAL_ERROR "${EXE} is ${CMAKE_MATCH_1}, not ${MAGIC}")
endif()
if(NOT headers MATCHES "Subsystem[\t ]+00000002")
  message(FATAL_ERROR "${EXE} is not a Windows GUI program")
endif()
# The header's time stamp, at offset 8 of the PE header, which the DOS
# header's last word locates: a link time there would make every build
# another file.
file(READ ${EXE} pe_offset OFFSET 60 LIMIT 4 HEX)
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" pe_offset "${pe_offset}")
math(EXPR stamp_offset "${pe_offset} + 8")
file(READ ${EXE} stamp OFFSET ${stamp_offset} LIMIT 4 HEX)
if(NOT stamp STREQUAL "00000000")
  message(FATAL_ERROR "${EXE} carries a link time in its header (${stamp})")
endif()
# Loaded before the program's first line runs, the imports are Windows'
# known DLLs only, which never come from the program's folder.
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
set(system_dlls advapi32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll)
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${EXE} imports ${dll}, which is not a system DLL")
  endif()
endforeach()

# The hardening, as the loader reads it.
set(flags DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
if(MAGIC STREQUAL "PE32+")
  list(APPEND flags HIGH_ENTROPY_VA)
else()
  list(APPEND flags NO_SEH)
endif()
string(REGEX MATCH "DllCharacteristics[^\n]*\n((\t+[A-Z_]+\n)*)" _ "${headers}")
string(REGEX MATCHALL "[A-Z_]+" characteristics "${CMAKE_MATCH_1}")
foreach(flag IN LISTS flags)
  if(NOT flag IN_LIST characteristics)
    message(FATAL_ERROR "${EXE} is not ${flag} (it is ${characteristics})")
  endif()
endforeach()
string(REGEX MATCH "MajorSubsystemVersion[\t ]+([0-9]+)" _ "${headers}")
if(CMAKE_MATCH_1 LESS 6)
  message(FATAL_ERROR "${EXE} has subsystem version ${CMAKE_MATCH_1}: its heap would not end it on corruption")
endif()
# The stack protector's report, linked in where a function is protected; no
# compiler version strings. The manifest asks for the common controls of
# version 6, for per-monitor awareness of the DPI (v2, whose dialog manager
# lays a dialog out again at a change of scale), else the system's, where the
# system scales the whole window: never v1, which changes the scale and lays
# nothing out again. It asks for no elevation and names the Windows versions
# that the program is made for.
file(STRINGS ${EXE} texts REGEX "stack smashing detected|GCC: \\(|Common-Controls|dpiAware|requestedExecutionLevel|supportedOS")
set(expected_texts
    "stack smashing detected"
    "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""
    ">true</dpiAware>"
    ">PerMonitorV2, System</dpiAwareness>"
    "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"
    "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>"
    "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"
    "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>"
    "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>"
    "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>")
foreach(expected IN LISTS expected_texts)
  string(FIND "${texts}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${EXE} does not hold ${expected}")
  endif()
endforeach()
if(texts MATCHES "GCC: \\(")
  message(FATAL_ERROR "${EXE} carries the compiler's version strings")
endif()
# The checked string and memory functions leave no mark of their own in the
# program: the compile commands that built it, where given, say whether
# every source of the program asked for them and for the stack protector.
if(COMPILE_COMMANDS)
  file(READ ${COMPILE_COMMANDS} commands)
  string(REGEX MATCHALL "\"command\": \"[^\n]*/(core|shell)/[^\n]*\.cpp\"" program_commands "${commands}")
  if(NOT program_commands)
    message(FATAL_ERROR "${COMPILE_COMMANDS} holds no command for the program's sources")
  endif()
  foreach(command IN LISTS program_commands)
    if(NOT command MATCHES "-fstack-protector-strong" OR NOT command MATCHES "-D_FORTIFY_SOURCE=2")
      message(FATAL_ERROR "built without the stack protector or the checked functions: ${command}")
    endif()
  endforeach()
endif()
message(STATUS "${EXE}: ${MAGIC}, GUI, ${characteristics}, imports ${imports}")
