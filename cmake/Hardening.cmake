# Every hardening that this toolchain gives a Windows program, in one place;
# the program and package checks (CheckProgram.cmake) read each back from the
# built program.
#
# - The stack protector and the checked string and memory functions, whose
#   failures end the process (libssp, linked in).
# - No compiler version strings in the program: -fno-ident for our code, and
#   the static runtime's own (.rdata$zzz) discarded at the link.
# - ASLR (high-entropy on 64-bit), DEP, terminal-server aware; on 32-bit, no
#   SEH handlers (the program installs none, so none can be forged).
# - Subsystem version 6.0 (Windows Vista): the heap then ends the process on
#   corruption, as it always does for 64-bit programs.
add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2 -fno-ident)
add_link_options(-fstack-protector-strong -Wl,-T,${CMAKE_CURRENT_LIST_DIR}/discard-ident.ld
                 -Wl,--dynamicbase -Wl,--nxcompat -Wl,--tsaware
                 -Wl,--major-subsystem-version,6 -Wl,--minor-subsystem-version,0)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
else()
  add_link_options(-Wl,--no-seh)
endif()
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
