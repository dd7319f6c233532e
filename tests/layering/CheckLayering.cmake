# Fails when an include runs up a stage: the solver's base includes none of
# its families, a family none of its siblings (but the line quantities, which
# are built on field solutions), no solver file includes duvane-calc; in
# duvane-calc output includes neither cases nor the command line, and cases
# not the command line.
#   cmake -DROOT=path/to/tree -P CheckLayering.cmake
set(solverFamilies "fivecharge|field|line|commands")
set(cliStages "cases|commandline|output")
# Each rule: a folder (files directly in it), then the include paths that
# its files must not name.
set(rules
  "solver" "^(${solverFamilies}|${cliStages})/|^Run\\.h$"
  "solver/fivecharge" "^(field|line|commands|${cliStages})/|^Run\\.h$"
  "solver/field" "^(fivecharge|line|commands|${cliStages})/|^Run\\.h$"
  "solver/line" "^(fivecharge|commands|${cliStages})/|^Run\\.h$"
  "solver/commands" "^(${cliStages})/|^Run\\.h$"
  "cli/output" "^(cases|commandline|${solverFamilies})/|^Run\\.h$"
  "cli/cases" "^commandline/|^Run\\.h$"
  "cli/commandline" "^Run\\.h$"
)

set(broken "")
list(LENGTH rules ruleCount)
math(EXPR last "${ruleCount} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET rules ${i} folder)
  list(GET rules ${j} forbidden)
  file(GLOB files "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^#include \"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" path "${line}")
      if(path MATCHES "${forbidden}")
        file(RELATIVE_PATH shown "${ROOT}" "${file}")
        string(APPEND broken "${shown} includes ${path}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "includes that run up a stage:\n${broken}")
endif()
message(STATUS "every include runs down the stages")
