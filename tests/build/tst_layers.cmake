# cmake -DSOURCE=<source tree> -DWORK=<scratch folder> -P tst_layers.cmake
#
# The include check fails on an include that reaches a layer above its own,
# relative ones too, and passes the real tree.
cmake_minimum_required(VERSION 3.16)
set(check ${SOURCE}/cmake/CheckIncludes.cmake)

#    the including file             | the include              | the layer reached
set(rows
  "model/tOption.cpp                | ../system/SystemPaths.h  | system"
  "tabs/JobTab.cpp                  | ../dialogs/HelpDialog.h  | dialogs"
  "tabdialogs/adjustmentDialog.cpp  | ../tabs/ImagingTab.h     | tabs")

set(failed 0)
set(row 0)
foreach(fields ${rows})
  string(REGEX REPLACE " *\\| *" ";" fields "${fields}")
  list(GET fields 0 file)
  list(GET fields 1 include)
  list(GET fields 2 layer)
  math(EXPR row "${row} + 1")
  set(tree ${WORK}/row${row})
  file(REMOVE_RECURSE ${tree})
  get_filename_component(dir ${tree}/${file} DIRECTORY)
  file(WRITE ${dir}/${include} "#pragma once\n")
  file(WRITE ${tree}/${file} "// planted\n\n#include \"${include}\"\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${tree} -P ${check}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(told "src/${file}:3: \"${include}\" reaches the layer ${layer},")
  string(FIND "${out}" "${told}" at)
  if(result EQUAL 0 OR at LESS 0)
    message("${file} including ${include}: not refused as expected; the check said:\n${out}")
    math(EXPR failed "${failed} + 1")
  endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${SOURCE}/src -P ${check}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message("the real tree is refused:\n${out}")
  math(EXPR failed "${failed} + 1")
endif()
if(failed)
  message(FATAL_ERROR "${failed} of 4 rows failed")
endif()
