# Install rules: headers, library, tool, CMake package and pkg-config file.
#
#   <prefix>/include/tolvdata/tolvdata.h, platform/, companions/, core/, records/
#   <prefix>/<libdir>/libtolvdata.so.<version> (+ .so.<major>, .so)
#   <prefix>/<libdir>/cmake/tolvdata/   config, version, targets, toolchain file
#   <prefix>/<libdir>/pkgconfig/tolvdata.pc
#   <prefix>/bin/tolvdata
include(CMakePackageConfigHelpers)

# Relative directories keep the installed tree relocatable.
foreach(dir CMAKE_INSTALL_LIBDIR CMAKE_INSTALL_BINDIR CMAKE_INSTALL_INCLUDEDIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "tolvdata: ${dir} must be relative to the prefix (is ${${dir}})")
  endif()
endforeach()

set(TOLVDATA_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/tolvdata" CACHE STRING
    "Where the CMake package files go, relative to the prefix")
set(TOLVDATA_INSTALL_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}/tolvdata")

# Every header of the library layers is public, except those whose first line
# says "(not installed)": helpers shared by the sources of one folder.
file(GLOB_RECURSE tolvdata_headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
  ${PROJECT_SOURCE_DIR}/platform/*.h
  ${PROJECT_SOURCE_DIR}/companions/*.h
  ${PROJECT_SOURCE_DIR}/core/*.h
  ${PROJECT_SOURCE_DIR}/records/*.h
  ${PROJECT_SOURCE_DIR}/module/*.h)
foreach(header IN LISTS tolvdata_headers)
  file(STRINGS ${PROJECT_SOURCE_DIR}/${header} first_line LIMIT_COUNT 1)
  if(first_line MATCHES "\\(not installed\\)")
    continue()
  endif()
  get_filename_component(subdir ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${header}
          DESTINATION ${TOLVDATA_INSTALL_INCLUDEDIR}/${subdir} COMPONENT Development)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/tolvdata.h
        DESTINATION ${TOLVDATA_INSTALL_INCLUDEDIR} COMPONENT Development)

install(TARGETS tolvdata EXPORT tolvdataTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
          NAMELINK_COMPONENT Development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)

# The tool finds the library relative to itself, so the prefix can move.
if(TARGET tolvdata_tool)
  file(RELATIVE_PATH lib_from_bin "/${CMAKE_INSTALL_BINDIR}" "/${CMAKE_INSTALL_LIBDIR}")
  set_target_properties(tolvdata_tool PROPERTIES
    EXPORT_NAME tool
    INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
  # Exported on its own: the tool comes in a package of its own, and the
  # CMake package offers tolvdata::tool only where it is installed.
  install(TARGETS tolvdata_tool EXPORT tolvdataToolTargets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Tools)
  install(EXPORT tolvdataToolTargets NAMESPACE tolvdata::
          DESTINATION ${TOLVDATA_INSTALL_CMAKEDIR} COMPONENT Tools)
endif()

install(EXPORT tolvdataTargets NAMESPACE tolvdata::
        DESTINATION ${TOLVDATA_INSTALL_CMAKEDIR} COMPONENT Development)

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/tolvdataConfig.cmake.in
  ${PROJECT_BINARY_DIR}/tolvdataConfig.cmake
  INSTALL_DESTINATION ${TOLVDATA_INSTALL_CMAKEDIR}
  PATH_VARS TOLVDATA_INSTALL_INCLUDEDIR)

# The transfer layouts are ABI: any 0.x accepts any 0.y >= x. The generated
# check refuses a 64-bit consumer; the lines after it say why and what to pass.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/tolvdataConfigVersion-basic.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
file(READ ${PROJECT_BINARY_DIR}/tolvdataConfigVersion-basic.cmake version_basic)
file(READ ${PROJECT_SOURCE_DIR}/cmake/tolvdataConfigVersion-arch.cmake.in version_arch)
string(CONFIGURE "${version_arch}" version_arch @ONLY)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/tolvdataConfigVersion.cmake
     CONTENT "${version_basic}\n${version_arch}" @ONLY)

install(FILES
  ${PROJECT_BINARY_DIR}/tolvdataConfig.cmake
  ${PROJECT_BINARY_DIR}/tolvdataConfigVersion.cmake
  ${PROJECT_SOURCE_DIR}/cmake/i686-toolchain.cmake
  DESTINATION ${TOLVDATA_INSTALL_CMAKEDIR} COMPONENT Development)

# pkg-config: paths relative to the .pc file, so the prefix can move too.
file(RELATIVE_PATH pc_prefix_from_pcdir "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" pc_prefix_from_pcdir "${pc_prefix_from_pcdir}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/tolvdata.pc.in ${PROJECT_BINARY_DIR}/tolvdata.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tolvdata.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

# A 64-bit project does not search lib/i386-linux-gnu: a signpost in the
# architecture-independent share/ tells it, through find_package's list of
# refused candidates, where the package is and what to pass. It never loads.
file(RELATIVE_PATH signpost_to_pkg "/${CMAKE_INSTALL_DATAROOTDIR}/cmake/tolvdata" "/${TOLVDATA_INSTALL_CMAKEDIR}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/signpost/tolvdataConfigVersion.cmake @ONLY CONTENT [[
# Signpost only: the tolvdata package is i386 and lives in its multiarch dir.
get_filename_component(_tolvdata_dir "${CMAKE_CURRENT_LIST_DIR}/@signpost_to_pkg@" ABSOLUTE)
set(PACKAGE_VERSION_UNSUITABLE TRUE)
if(CMAKE_SIZEOF_VOID_P STREQUAL "4")
  set(PACKAGE_VERSION "@PROJECT_VERSION@ (signpost; the package is in ${_tolvdata_dir})")
else()
  set(PACKAGE_VERSION "@PROJECT_VERSION@ (32-bit i386 only, this project is ${CMAKE_SIZEOF_VOID_P}-byte pointers: configure it with -DCMAKE_TOOLCHAIN_FILE=${_tolvdata_dir}/i686-toolchain.cmake, and keep -m32 in CMAKE_CXX_FLAGS of your own)")
endif()
unset(_tolvdata_dir)
]])
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/signpost/tolvdataConfig.cmake @ONLY CONTENT [[
message(FATAL_ERROR "tolvdata: the package is in @TOLVDATA_INSTALL_CMAKEDIR@ of this prefix")
]])
install(FILES
  ${PROJECT_BINARY_DIR}/signpost/tolvdataConfig.cmake
  ${PROJECT_BINARY_DIR}/signpost/tolvdataConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/cmake/tolvdata COMPONENT Development)
