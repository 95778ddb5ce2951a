# The ABI and layout baselines (abi/) and the targets that rewrite them:
#   cmake --build <tree> --target update-abi-baseline      abi/libtolvdata.abi
#   cmake --build <tree> --target update-layout-baseline   abi/layouts.txt
#   cmake --build <tree> --target update-baselines         both
# The tests Gate.Abi and Gate.Layout compare the build with them.
find_program(TOLVDATA_ABIDW abidw)
find_program(TOLVDATA_ABIDIFF abidiff)
mark_as_advanced(TOLVDATA_ABIDW TOLVDATA_ABIDIFF)

set(TOLVDATA_ABI_BASELINE ${PROJECT_SOURCE_DIR}/abi/libtolvdata.abi)
set(TOLVDATA_LAYOUT_BASELINE ${PROJECT_SOURCE_DIR}/abi/layouts.txt)
set(TOLVDATA_ABI_ARGS
  -DLIBRARY=$<TARGET_FILE:tolvdata>
  -DSONAME=$<TARGET_SONAME_FILE_NAME:tolvdata>
  -DBASELINE=${TOLVDATA_ABI_BASELINE}
  "-DBUILD=${CMAKE_BUILD_TYPE} ${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}"
  -DABIDW=${TOLVDATA_ABIDW}
  -DABIDIFF=${TOLVDATA_ABIDIFF}
  -DSANITIZE=${TOLVDATA_SANITIZE})
set(TOLVDATA_LAYOUT_ARGS
  -DTOOL=$<TARGET_FILE:tolvdata_tool>
  -DBASELINE=${TOLVDATA_LAYOUT_BASELINE}
  -DVERSION=${PROJECT_VERSION})

add_custom_target(update-abi-baseline
  COMMAND ${CMAKE_COMMAND} -DMODE=update ${TOLVDATA_ABI_ARGS} -P ${PROJECT_SOURCE_DIR}/cmake/AbiGate.cmake
  DEPENDS tolvdata VERBATIM)
if(TARGET tolvdata_tool)
  add_custom_target(update-layout-baseline
    COMMAND ${CMAKE_COMMAND} -DMODE=update ${TOLVDATA_LAYOUT_ARGS} -P ${PROJECT_SOURCE_DIR}/cmake/LayoutGate.cmake
    DEPENDS tolvdata_tool VERBATIM)
  add_custom_target(update-baselines)
  add_dependencies(update-baselines update-abi-baseline update-layout-baseline)
endif()
