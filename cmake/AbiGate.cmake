# ABI gate: the built library against the committed abidw baseline. Run as
# cmake -P with:
#   MODE      check | update
#   LIBRARY   the built shared library       SONAME   its SONAME
#   BASELINE  abi/libtolvdata.abi             BUILD    "<build type> <compiler> <version>"
#   ABIDW, ABIDIFF  the abigail-tools programs (empty when missing)
#   SANITIZE  ON in a sanitizer build
# The baseline is only comparable with a library built the same way: the
# inline functions a build emits, and so the symbols it exports, depend on the
# optimisation. Its build is recorded in <BASELINE>.build.
cmake_minimum_required(VERSION 3.20)

set(update_command "cmake --build <build dir> --target update-abi-baseline")
set(build_file "${BASELINE}.build")

if(SANITIZE)
  message("ABI gate skipped: the sanitizer build's library is instrumented and differs from the "
          "ordinary build's; the gate runs in the ordinary build")
  if(MODE STREQUAL "update")
    message(FATAL_ERROR "update the ABI baseline from the ordinary build")
  endif()
  return()
endif()

if(MODE STREQUAL "update")
  if(NOT ABIDW)
    message(FATAL_ERROR "abidw not found: install abigail-tools (scripts/deps.sh does)")
  endif()
  # No paths of this machine: the baseline reads the same from any tree.
  execute_process(COMMAND ${ABIDW} --no-corpus-path --no-comp-dir-path --no-show-locs --type-id-style hash
                          --out-file "${BASELINE}" "${LIBRARY}"
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "abidw failed (${rc}): ${err}")
  endif()
  # Sources named from the source root, whatever the build tree and compiler
  # launcher made of their paths.
  file(READ "${BASELINE}" xml)
  string(REGEX REPLACE "path='[^']*/((platform|companions|core|records|module)/[^']*)'" "path='\\1'" xml "${xml}")
  file(WRITE "${BASELINE}" "${xml}")
  file(WRITE "${build_file}" "${BUILD}\n")
  message("ABI baseline written: ${BASELINE} (${SONAME}, ${BUILD} build)")
  return()
elseif(NOT MODE STREQUAL "check")
  message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()

if(NOT ABIDIFF)
  message("ABI gate skipped: abidiff not found; install abigail-tools (scripts/deps.sh does)")
  return()
endif()
if(NOT EXISTS "${BASELINE}" OR NOT EXISTS "${build_file}")
  message(FATAL_ERROR "no ABI baseline at ${BASELINE}; write it with: ${update_command}")
endif()
file(STRINGS "${build_file}" base_build LIMIT_COUNT 1)
if(NOT base_build STREQUAL BUILD)
  message("ABI gate skipped: the baseline is of a ${base_build} build and this library of a ${BUILD} "
          "build, which export different inline functions; compare from a ${base_build} tree")
  return()
endif()

file(STRINGS "${BASELINE}" corpus LIMIT_COUNT 1 REGEX "soname=")
string(REGEX MATCH "soname='([^']*)'" _ "${corpus}")
set(base_soname "${CMAKE_MATCH_1}")

execute_process(COMMAND ${ABIDIFF} "${BASELINE}" "${LIBRARY}" RESULT_VARIABLE rc OUTPUT_VARIABLE report
                ERROR_VARIABLE err)
if(NOT rc MATCHES "^[0-9]+$")
  message(FATAL_ERROR "abidiff did not run: ${rc}")
endif()
# abidiff's status: bit 0 error, bit 1 usage, bit 2 a change, bit 3 an
# incompatible one (a symbol removed).
math(EXPR failed "${rc} & 3")
if(failed)
  message(FATAL_ERROR "abidiff failed (${rc}):\n${err}${report}")
endif()
if(rc EQUAL 0)
  message("ABI gate: ${SONAME} has the baseline's ABI")
  return()
endif()

# Added functions and variables are compatible; anything removed or changed
# (a parameter, a class or structure reached from an exported function) is not.
math(EXPR removed "${rc} & 8")
string(REGEX MATCHALL "[ :][1-9][0-9]* (Removed|Changed)" breaks "${report}")
string(REGEX MATCHALL "\n *\\[[DC]\\] [^\n]*" hits "${report}")
set(named "")
foreach(h IN LISTS hits)
  string(STRIP "${h}" h)
  string(APPEND named "\n  ${h}")
endforeach()
if(NOT removed AND NOT breaks)
  message("ABI gate: compatible addition to ${SONAME} (nothing removed or changed):\n${report}"
          "Record it with: ${update_command}")
  return()
endif()
string(REGEX MATCH "[0-9]+$" base_major "${base_soname}")
string(REGEX MATCH "[0-9]+$" major "${SONAME}")
if(NOT base_major STREQUAL major)
  message("ABI gate: incompatible changes allowed by the SONAME's new major version "
          "(${base_soname} -> ${SONAME}):${named}\n${report}Record them with: ${update_command}")
  return()
endif()
message(FATAL_ERROR "ABI gate: incompatible change to ${SONAME} against the baseline (${BASELINE}):${named}\n"
        "${report}A program linked to ${SONAME} would break. If the change is meant, raise the major "
        "version (the SONAME follows it); a compatible change is recorded with: ${update_command}")
