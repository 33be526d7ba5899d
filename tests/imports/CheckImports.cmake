# Reads the import tables of Windows programs (objdump -p) and fails on what would keep them from
# starting on Windows XP SP3: a DLL that is not the system's own, a function XP lacks, or a
# subsystem version above XP's 5.1.
#
#   cmake -DOBJDUMP=<objdump> -DMISSING=<missing-on-xp.txt> [-DEXPECT=<text>;...]
#         -P CheckImports.cmake -- <program.exe>...
#
# With EXPECT the programs are deliberately bad ones: the check passes only when it finds faults
# and every EXPECT text is among them.
cmake_minimum_required(VERSION 3.25)

# The system's own DLLs, present on every Windows since XP; upper case.
set(allowed_dlls KERNEL32.DLL USER32.DLL GDI32.DLL COMCTL32.DLL COMDLG32.DLL SHELL32.DLL OLE32.DLL
    OLEAUT32.DLL ADVAPI32.DLL MSVCRT.DLL SHLWAPI.DLL)

file(STRINGS "${MISSING}" missing_lines)
set(missing_on_xp "")
foreach(line IN LISTS missing_lines)
  string(STRIP "${line}" line)
  if(line AND NOT line MATCHES "^#")
    string(TOUPPER "${line}" line)
    list(APPEND missing_on_xp "${line}")
  endif()
endforeach()

set(programs "")
set(after_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(after_dashes)
    list(APPEND programs "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(after_dashes TRUE)
  endif()
endforeach()
if(NOT programs)
  message(FATAL_ERROR "import check: no programs to check")
endif()

set(faults "")
foreach(program IN LISTS programs)
  get_filename_component(name "${program}" NAME)
  execute_process(COMMAND "${OBJDUMP}" -p "${program}" OUTPUT_VARIABLE dump
                  RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "import check: ${OBJDUMP} -p ${program} failed: ${error}")
  endif()
  string(REPLACE ";" "," dump "${dump}")
  string(REPLACE "\n" ";" lines "${dump}")
  set(dll "")
  set(imports 0)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*DLL Name: (.+)$")
      string(STRIP "${CMAKE_MATCH_1}" dll)
      string(TOUPPER "${dll}" upper)
      if(NOT upper IN_LIST allowed_dlls)
        list(APPEND faults "${name}: imports ${dll}, which is not one of the system's own DLLs")
      endif()
    elseif(dll AND line MATCHES "^\t[0-9a-fA-F]+\t *[0-9]+  ([A-Za-z_][A-Za-z0-9_@?$]*)")
      math(EXPR imports "${imports} + 1")
      string(TOUPPER "${CMAKE_MATCH_1}" upper)
      if(upper IN_LIST missing_on_xp)
        list(APPEND faults "${name}: imports ${CMAKE_MATCH_1} from ${dll}, which Windows XP lacks")
      endif()
    elseif(line MATCHES "^$")
      set(dll "")
    elseif(line MATCHES "^MajorSubsystemVersion[ \t]+([0-9]+)")
      set(major "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^MinorSubsystemVersion[ \t]+([0-9]+)")
      if(major GREATER 5 OR (major EQUAL 5 AND CMAKE_MATCH_1 GREATER 1))
        list(APPEND faults
             "${name}: subsystem version ${major}.${CMAKE_MATCH_1}, above Windows XP's 5.1")
      endif()
    endif()
  endforeach()
  # Every program imports from kernel32 at least: none read means the listing was not understood.
  if(imports EQUAL 0)
    message(FATAL_ERROR "import check: no imported functions read from ${program}")
  endif()
  message(STATUS "${name}: ${imports} imported functions read")
endforeach()

if(DEFINED EXPECT)
  foreach(fault IN LISTS faults)
    message(STATUS "found (as expected of this program): ${fault}")
  endforeach()
  foreach(expected IN LISTS EXPECT)
    string(FIND "${faults}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "import check: the deliberately bad program's ${expected} went unnoticed")
    endif()
  endforeach()
elseif(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "import check failed:\n  ${text}")
endif()
