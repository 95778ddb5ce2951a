cmake_minimum_required(VERSION 3.20)
# The exported C header: the same bytes on every run and as the build
# installs it; compiles with gcc -m32 and -m64 (-std=c11 -Wall -Werror) and as
# C++ beside tolvdata.h; a field of the wrong size makes it fail to compile.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(roda)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " cmd)
    message(FATAL_ERROR "failed (${rc}): ${cmd}\n${out}${err}")
  endif()
endfunction()

roda(${TOOL} export c-header -o ${WORK}/tolvdata_layouts.h)
roda(${TOOL} export c-header -o ${WORK}/again.h)
file(SHA256 ${WORK}/tolvdata_layouts.h h1)
file(SHA256 ${WORK}/again.h h2)
if(NOT h1 STREQUAL h2)
  message(FATAL_ERROR "two runs of export c-header differ")
endif()
if(BUILT)
  file(SHA256 ${BUILT} h3)
  if(NOT h1 STREQUAL h3)
    message(FATAL_ERROR "${BUILT} differs from what export c-header writes now")
  endif()
endif()
file(READ ${WORK}/tolvdata_layouts.h h)
foreach(needle "from tolvdata " "whole-document file format 1" "JSON format " "tolv_tagREG_ENTRADAPS")
  string(FIND "${h}" "${needle}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the header lacks \"${needle}\"")
  endif()
endforeach()

file(WRITE ${WORK}/probe.c "#include \"tolvdata_layouts.h\"\nint main(void) { return (int)sizeof(tolv_tagREG_ENTRADAPS) != 1232; }\n")
foreach(m -m32 -m64)
  roda(${CC} ${m} -std=c11 -Wall -Wextra -Werror -pedantic -I${WORK} -o ${WORK}/probe${m} ${WORK}/probe.c)
  roda(${WORK}/probe${m})
endforeach()

# Beside the library's own headers: no name of one clashes with the other, and
# each structure has the size of the library's.
file(WRITE ${WORK}/probe.cpp "#include \"tolvdata.h\"\n#include \"tolvdata_layouts.h\"\n"
  "static_assert(sizeof(tolv_tagREG_ENTRADAPS) == sizeof(tagREG_ENTRADAPS));\n"
  "static_assert(sizeof(tolv__REG_ES_MOVIMENTOPS) == sizeof(_REG_ES_MOVIMENTOPS));\n")
roda(${CXX} -m32 -std=c++20 -Wall -Wextra -Werror -fsyntax-only -I${ROOT} -I${WORK} ${WORK}/probe.cpp)

# The assertions bite: one field a byte longer.
string(REPLACE "char Texto[24];" "char Texto[25];" quebrado "${h}")
if(quebrado STREQUAL h)
  message(FATAL_ERROR "REG_CODBARRAS.Texto not found in the header")
endif()
file(WRITE ${WORK}/quebrado/tolvdata_layouts.h "${quebrado}")
file(COPY ${WORK}/probe.c DESTINATION ${WORK}/quebrado)
execute_process(COMMAND ${CC} -m32 -std=c11 -fsyntax-only ${WORK}/quebrado/probe.c
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "REG_CODBARRAS")
  message(FATAL_ERROR "a wrong field size compiled without an assertion naming it:\n${err}")
endif()
