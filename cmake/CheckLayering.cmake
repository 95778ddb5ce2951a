# Checks the direction of the includes between the layers:
#   platform <- companions <- core <- records <- module, tools
# Run with -DROOT=<source dir>.
set(forbidden_platform "companions/;core/;records/;module/")
set(forbidden_companions "core/;records/;module/")
set(forbidden_core "records/;module/")
set(forbidden_records "module/")

set(failures "")
foreach(layer platform companions core records)
  file(GLOB_RECURSE files "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(f ${files})
    file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      foreach(bad ${forbidden_${layer}})
        if(line MATCHES "\"${bad}")
          file(RELATIVE_PATH rel "${ROOT}" "${f}")
          list(APPEND failures "${rel}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Includes against the layering:\n  ${text}")
endif()
message(STATUS "Layering respected")
