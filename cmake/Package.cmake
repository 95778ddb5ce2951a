# Debian packages of the install components (cmake --build <tree> --target
# package, or scripts/package.sh):
#   libtolvdata<major>  Runtime      the shared library
#   libtolvdata-dev     Development  headers, CMake package, .pc, toolchain file
#   tolvdata-tools      Tools        the tolvdata command
# each with its copyright file and compressed changelog in /usr/share/doc.
set(TOLVDATA_DEB_MAINTAINER "tolvdata maintainers <tolvdata@example.org>" CACHE STRING
    "Maintainer field of the Debian packages")
set(TOLVDATA_DEB_RELEASE "" CACHE STRING
    "Debian revision appended to the version (empty: the packages are native)")

set(deb_lib "libtolvdata${PROJECT_VERSION_MAJOR}")
set(TOLVDATA_DEB_PACKAGES ${deb_lib} libtolvdata-dev tolvdata-tools)
set(TOLVDATA_DEB_VERSION "${PROJECT_VERSION}")
if(TOLVDATA_DEB_RELEASE)
  string(APPEND TOLVDATA_DEB_VERSION "-${TOLVDATA_DEB_RELEASE}")
endif()

# Debian wants the changelog compressed with gzip -9n (no name, no time), as
# changelog.gz in a native package and changelog.Debian.gz otherwise.
find_program(TOLVDATA_GZIP gzip)
mark_as_advanced(TOLVDATA_GZIP)
set(changelog_name changelog.gz)
if(TOLVDATA_DEB_RELEASE)
  set(changelog_name changelog.Debian.gz)
endif()
set(changelog_gz ${PROJECT_BINARY_DIR}/debian/${changelog_name})
# Compressed at configure time, so that no build target is needed for it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog)
if(TOLVDATA_GZIP)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/debian)
  execute_process(COMMAND ${TOLVDATA_GZIP} -9nc ${PROJECT_SOURCE_DIR}/cmake/debian/changelog
                  OUTPUT_FILE ${changelog_gz} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gzip failed on the Debian changelog")
  endif()
endif()

# The tool's manual page, compressed the same way.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/tolvdata.1)
if(TOLVDATA_GZIP AND TARGET tolvdata_tool)
  execute_process(COMMAND ${TOLVDATA_GZIP} -9nc ${PROJECT_SOURCE_DIR}/cmake/debian/tolvdata.1
                  OUTPUT_FILE ${PROJECT_BINARY_DIR}/debian/tolvdata.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/debian/tolvdata.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Tools)
endif()

# Only a component install (the packages) takes these files; a plain
# cmake --install leaves them out.
foreach(pair "Runtime;${deb_lib}" "Development;libtolvdata-dev" "Tools;tolvdata-tools")
  list(GET pair 0 component)
  list(GET pair 1 package)
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
  if(TOLVDATA_GZIP)
    install(FILES ${changelog_gz}
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvdata)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "tolvdata")
set(CPACK_PACKAGE_CONTACT "${TOLVDATA_DEB_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development Tools)
set(CPACK_COMPONENTS_GROUPING IGNORE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE "${TOLVDATA_DEB_RELEASE}")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOLVDATA_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# The runtimes, from the symbol versions the library and the tool need
# (GLIBC_2.34, GCC_7.0.0, GLIBCXX_3.4.29 of GCC 11): named here rather than by
# dpkg-shlibdeps, which on a 64-bit host may take the 32-bit libraries of
# lib32stdc++6 for the i386 ones.
set(deb_runtimes "libc6 (>= 2.34), libgcc-s1 (>= 7), libstdc++6 (>= 11)")
set(deb_exact "(= ${TOLVDATA_DEB_VERSION})")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${deb_lib})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "${deb_runtimes}")
# The shlibs file (packages linked to the library depend on this version or a
# later one) and the trigger that refreshes the loader's cache.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "record library of the purchasing-and-materials module
Record classes with Get/Set accessors for every document of the module,
conversion of record trees to and from the binary transfer structures
(little-endian images with 32-bit pointers to nested arrays), field-by-field
comparison, CRC-32 checksums and currency arithmetic.
.
This package holds the shared library (i386).")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libtolvdata-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${deb_lib} ${deb_exact}")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "record library of the purchasing-and-materials module (development files)
Record classes with Get/Set accessors for every document of the module,
conversion of record trees to and from the binary transfer structures,
comparison, CRC-32 checksums and currency arithmetic.
.
This package holds the C++20 headers, the CMake package (with an i386
toolchain file for 64-bit hosts) and the pkg-config file.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME tolvdata-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "${deb_lib} ${deb_exact}, ${deb_runtimes}")
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
    "command-line tool of the tolvdata record library
The tolvdata command walks a sample document through the record library,
prints the layout of every transfer structure and decodes raw images of
them field by field.")

include(CPack)
