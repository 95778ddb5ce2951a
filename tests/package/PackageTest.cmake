# Installs the build tree into a scratch prefix and uses it as another project
# would. Run as cmake -P with:
#   STEP       install | cmake | pkgconfig | reject64
#   BUILD_DIR  the project's build tree       PREFIX  scratch install prefix
#   WORK       scratch directory              SOURCE  the consumer project
#   LIBDIR     libdir relative to the prefix  VERSION the project version
#   CXX        the compiler of the build      SAN_FLAGS  sanitizer flags or empty
#   PKG_CONFIG pkg-config program or empty
#   ASAN_OPTIONS  the sanitizer options of the programs it runs
cmake_minimum_required(VERSION 3.20)

include(${CMAKE_CURRENT_LIST_DIR}/Comum.cmake)

set(pkgdir "${PREFIX}/${LIBDIR}/cmake/tolvdata")
set(run_env ASAN_OPTIONS=${ASAN_OPTIONS})
separate_arguments(san UNIX_COMMAND "${SAN_FLAGS}")

if(STEP STREQUAL "install")
  # Installed elsewhere and moved into place: the tree must be relocatable.
  file(REMOVE_RECURSE "${PREFIX}" "${PREFIX}-staged")
  run("cmake --install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}-staged")
  file(RENAME "${PREFIX}-staged" "${PREFIX}")
  foreach(f include/tolvdata/tolvdata.h include/tolvdata/core/DadosCore.h
            include/tolvdata/platform/afx.h ${LIBDIR}/libtolvdata.so.${VERSION}
            ${LIBDIR}/cmake/tolvdata/tolvdataConfig.cmake
            ${LIBDIR}/cmake/tolvdata/tolvdataConfigVersion.cmake
            ${LIBDIR}/cmake/tolvdata/i686-toolchain.cmake
            ${LIBDIR}/pkgconfig/tolvdata.pc bin/tolvdata)
    if(NOT EXISTS "${PREFIX}/${f}")
      message(FATAL_ERROR "not installed: ${f}")
    endif()
  endforeach()
  string(REGEX MATCH "^[0-9]+" major "${VERSION}")
  foreach(link libtolvdata.so libtolvdata.so.${major})
    if(NOT IS_SYMLINK "${PREFIX}/${LIBDIR}/${link}")
      message(FATAL_ERROR "${LIBDIR}/${link} is not a symlink")
    endif()
  endforeach()
  file(READ_SYMLINK "${PREFIX}/${LIBDIR}/libtolvdata.so.${major}" target)
  if(NOT target STREQUAL "libtolvdata.so.${VERSION}")
    message(FATAL_ERROR "libtolvdata.so.${major} points to ${target}")
  endif()
  # Found through its run path, without LD_LIBRARY_PATH.
  run("tolvdata --version" ${CMAKE_COMMAND} -E env ${run_env} "${PREFIX}/bin/tolvdata" --version)
  if(NOT out STREQUAL "tolvdata ${VERSION}\n")
    message(FATAL_ERROR "tolvdata --version printed '${out}', expected 'tolvdata ${VERSION}'")
  endif()

elseif(STEP STREQUAL "cmake")
  file(REMOVE_RECURSE "${WORK}/cmake")
  set(flags)
  if(san)
    # Flags given on the command line replace the toolchain's -m32: repeat it.
    list(JOIN san " " joined)
    set(joined "-m32 ${joined}")
    set(flags "-DCMAKE_CXX_FLAGS=${joined}" "-DCMAKE_EXE_LINKER_FLAGS=${joined}")
  endif()
  run("consumer configure" ${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/cmake"
      "-DCMAKE_TOOLCHAIN_FILE=${pkgdir}/i686-toolchain.cmake"
      "-DCMAKE_PREFIX_PATH=${PREFIX}" "-DCMAKE_CXX_COMPILER=${CXX}" ${flags})
  run("consumer build" ${CMAKE_COMMAND} --build "${WORK}/cmake")
  run("consumer run" ${CMAKE_COMMAND} -E env ${run_env} "${WORK}/cmake/consumer")

elseif(STEP STREQUAL "pkgconfig")
  if(NOT PKG_CONFIG)
    message("pkg-config not found: skipped")
    return()
  endif()
  file(REMOVE_RECURSE "${WORK}/pc")
  file(MAKE_DIRECTORY "${WORK}/pc")
  run("pkg-config" ${CMAKE_COMMAND} -E env "PKG_CONFIG_PATH=${PREFIX}/${LIBDIR}/pkgconfig"
      ${PKG_CONFIG} --cflags --libs tolvdata)
  separate_arguments(pc UNIX_COMMAND "${out}")
  if(NOT "-m32" IN_LIST pc)
    message(FATAL_ERROR "pkg-config flags lack -m32: ${out}")
  endif()
  run("pkg-config consumer build" ${CXX} ${san} "${SOURCE}/main.cpp" -o "${WORK}/pc/consumer" ${pc})
  run("pkg-config consumer run" ${CMAKE_COMMAND} -E env ${run_env}
      "LD_LIBRARY_PATH=${PREFIX}/${LIBDIR}" "${WORK}/pc/consumer")

elseif(STEP STREQUAL "reject64")
  # A native 64-bit configure must stop at find_package and say why, whether
  # it searches the prefix or names the package directory.
  foreach(how "-DCMAKE_PREFIX_PATH=${PREFIX}" "-Dtolvdata_DIR=${pkgdir}")
    file(REMOVE_RECURSE "${WORK}/64")
    execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}/64" "${how}"
                            -DCMAKE_CXX_FLAGS=-m64
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(rc EQUAL 0)
      message(FATAL_ERROR "a 64-bit consumer configured against the i386 package (${how}):\n${out}")
    endif()
    if(NOT err MATCHES "32-bit i386 only" OR NOT err MATCHES "TOOLCHAIN_FILE=[^ ]*i686-toolchain.cmake")
      message(FATAL_ERROR "the 64-bit refusal does not say why (${how}):\n${err}")
    endif()
  endforeach()

else()
  message(FATAL_ERROR "unknown STEP '${STEP}'")
endif()
