# Feeds each gate baselines doctored the way a real change would show, and
# checks that it refuses them naming the change (or lets them through where it
# must). Run as cmake -P with STEP abi | layout, WORK (scratch directory),
# GATE_DIR (the gate scripts), SANITIZE and the arguments of that gate.
cmake_minimum_required(VERSION 3.20)

# Runs the gate on a doctored baseline: `expect` is pass or fail, each of the
# remaining arguments a text the output must contain.
function(expect_gate case baseline expect)
  if(STEP STREQUAL "abi")
    set(args -DLIBRARY=${LIBRARY} -DSONAME=${SONAME} "-DBUILD=${BUILD}" -DABIDW=${ABIDW} -DABIDIFF=${ABIDIFF}
             -DSANITIZE=${SANITIZE} -P ${GATE_DIR}/AbiGate.cmake)
  else()
    set(args -DTOOL=${TOOL} -DVERSION=${VERSION} -P ${GATE_DIR}/LayoutGate.cmake)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DMODE=check -DBASELINE=${baseline} ${args}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(out "${out}${err}")
  if(out MATCHES "gate skipped")
    message("${out}")
    return()
  endif()
  if((expect STREQUAL "pass") AND NOT rc EQUAL 0)
    message(SEND_ERROR "${case}: the gate refused it (${rc}):\n${out}")
  elseif((expect STREQUAL "fail") AND rc EQUAL 0)
    message(SEND_ERROR "${case}: the gate let it through:\n${out}")
  endif()
  foreach(text IN LISTS ARGN)
    string(FIND "${out}" "${text}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${case}: the gate's output does not say '${text}':\n${out}")
    endif()
  endforeach()
  message("${case}: ${expect}ed as expected")
endfunction()

# Writes `text` as a doctored baseline; fails when the doctoring changed nothing.
function(doctored file original text)
  if(text STREQUAL original)
    message(FATAL_ERROR "doctoring ${file} changed nothing: the baseline no longer has what this test edits")
  endif()
  file(WRITE "${WORK}/${file}" "${text}")
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

if(STEP STREQUAL "abi")
  if(SANITIZE OR NOT ABIDIFF)
    message("ABI gate skipped: sanitizer build or abigail-tools missing (see Gate.Abi)")
    return()
  endif()
  file(READ "${BASELINE}" xml)
  # An exported free function: its mangled name is _Z<length><name><parameters>.
  string(REGEX MATCHALL "<function-decl name='[A-Za-z_][A-Za-z0-9_]*' mangled-name='_Z[0-9][^']*'[^>]*elf-symbol-id="
         decls "${xml}")
  set(fn "")
  foreach(d IN LISTS decls)
    string(REGEX MATCH "name='([^']*)' mangled-name='_Z([0-9]+)([^']*)'" _ "${d}")
    set(name "${CMAKE_MATCH_1}")
    set(len "${CMAKE_MATCH_2}")
    set(tail "${CMAKE_MATCH_3}")
    string(LENGTH "${name}" n)
    string(FIND "${tail}" "${name}" at)
    if(n EQUAL len AND at EQUAL 0)
      string(SUBSTRING "${tail}" ${n} -1 params)
      set(fn "${name}")
      set(mangled "_Z${len}${name}${params}")
      break()
    endif()
  endforeach()
  if(NOT fn)
    message(FATAL_ERROR "no exported free function in ${BASELINE}")
  endif()

  macro(doctored_abi file text)
    doctored("${file}" "${xml}" "${text}")
    configure_file("${BASELINE}.build" "${WORK}/${file}.build" COPYONLY)
  endmacro()

  # Removed: the baseline has a function the library lacks (renamed away).
  string(LENGTH "${fn}Removido" n)
  string(REPLACE "${mangled}" "_Z${n}${fn}Removido${params}" removed "${xml}")
  string(REPLACE "<function-decl name='${fn}' " "<function-decl name='${fn}Removido' " removed "${removed}")
  doctored_abi(removed.abi "${removed}")
  expect_gate("function removed" "${WORK}/removed.abi" fail "${fn}Removido" "incompatible change")

  # The same under a new major version of the SONAME: allowed.
  string(REGEX REPLACE "soname='([^']*\\.so\\.)[0-9]+'" "soname='\\199'" major "${removed}")
  doctored_abi(major.abi "${major}")
  expect_gate("function removed, new SONAME" "${WORK}/major.abi" pass "${fn}Removido" "new major version")

  # Added: the baseline lacks a function the library has.
  set(added "${xml}")
  foreach(opening "<elf-symbol name='${mangled}'" "<function-decl name='${fn}' mangled-name='${mangled}'")
    string(FIND "${added}" "${opening}" a)
    if(a EQUAL -1)
      message(FATAL_ERROR "'${opening}' not in ${BASELINE}")
    endif()
    string(SUBSTRING "${added}" 0 ${a} head)
    string(SUBSTRING "${added}" ${a} -1 rest)
    if(opening MATCHES "^<elf-symbol")
      set(closing "/>")
    else()
      set(closing "</function-decl>")
    endif()
    string(FIND "${rest}" "${closing}" b)
    string(LENGTH "${closing}" cl)
    math(EXPR b "${b} + ${cl}")
    string(SUBSTRING "${rest}" ${b} -1 rest)
    set(added "${head}${rest}")
  endforeach()
  doctored_abi(added.abi "${added}")
  expect_gate("function added" "${WORK}/added.abi" pass "compatible addition" "${fn}")

  # Changed: a transfer structure of another size reached from exported methods.
  string(REGEX REPLACE "(<class-decl name='tagREG_CM_GERENCIALPS' size-in-bits=')192'" "\\1224'" changed "${xml}")
  doctored_abi(changed.abi "${changed}")
  expect_gate("structure resized" "${WORK}/changed.abi" fail "tagREG_CM_GERENCIALPS" "type size changed from 224 to 192")

elseif(STEP STREQUAL "layout")
  if(SANITIZE)
    message("layout gate skipped with doctored baselines: the instrumented tool only makes it slower; "
            "the ordinary build runs it")
    return()
  endif()
  file(READ "${BASELINE}" text)
  # The first structure and its first two fields.
  string(REGEX MATCH "\n([^ #\n][^ \n]*) ([0-9]+)\n( +[0-9]+ [0-9]+ [^ \n]+) ([^ \n]+)\n +([0-9]+) ([^\n]+)\n" block
         "${text}")
  if(NOT block)
    message(FATAL_ERROR "no structure with two fields first in ${BASELINE}")
  endif()
  set(s "${CMAKE_MATCH_1}")
  set(size "${CMAKE_MATCH_2}")
  set(line1 "${CMAKE_MATCH_3}")
  set(f1 "${CMAKE_MATCH_4}")
  set(o2 "${CMAKE_MATCH_5}")
  set(rest2 "${CMAKE_MATCH_6}")
  string(REGEX MATCH "[^ ]+$" f2 "${rest2}")
  set(head "\n${s} ${size}\n${line1}")

  string(REPLACE "${head} ${f1}\n" "${head} ${f1}Antigo\n" renamed "${text}")
  doctored(renamed.txt "${text}" "${renamed}")
  expect_gate("field renamed" "${WORK}/renamed.txt" fail "field ${s}.${f1}Antigo renamed to ${f1}")

  math(EXPR o2b "${o2} + 4")
  string(REPLACE "${head} ${f1}\n    ${o2} ${rest2}\n" "${head} ${f1}\n    ${o2b} ${rest2}\n" moved "${text}")
  doctored(moved.txt "${text}" "${moved}")
  expect_gate("field moved" "${WORK}/moved.txt" fail "field ${s}.${f2} moved from offset ${o2b} to ${o2}")

  math(EXPR bigger "${size} + 4")
  string(REPLACE "${head} ${f1}\n" "\n${s} ${bigger}\n${line1} ${f1}\n    ${size} 4 int Extra\n" grown "${text}")
  doctored(grown.txt "${text}" "${grown}")
  expect_gate("structure resized" "${WORK}/grown.txt" fail "structure ${s} resized from ${bigger} to ${size} bytes"
              "field ${s}.Extra removed (was at offset ${size})")

  string(REGEX REPLACE "\n${s} ${size}\n( +[^\n]*\n)*" "\ntagFANTASMAPS 8\n    0 8 currency Valor\n" swapped "${text}")
  doctored(swapped.txt "${text}" "${swapped}")
  expect_gate("structures added and removed" "${WORK}/swapped.txt" fail "structure ${s} added (${size} bytes)"
              "structure tagFANTASMAPS removed")

  string(REGEX REPLACE "\nversion [0-9]+" "\nversion 99" major "${renamed}")
  doctored(major.txt "${renamed}" "${major}")
  expect_gate("field renamed, new major version" "${WORK}/major.txt" pass "${s}.${f1}Antigo renamed to ${f1}"
              "allowed by the new major version")
else()
  message(FATAL_ERROR "unknown STEP '${STEP}'")
endif()
