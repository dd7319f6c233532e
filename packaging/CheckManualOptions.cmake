# Fails when an option that `duvane-calc --help` lists has no item of its own in the OPTIONS section of the manual, so that an
# option added to the program cannot miss the manual. A mention elsewhere, as
# in the synopsis, does not count: it tells nothing about the option.
#   cmake -DCALC=path/to/duvane-calc -DMANUAL=path/to/duvane-calc.1 -P CheckManualOptions.cmake

execute_process(COMMAND ${CALC} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CALC} --help failed (${status})")
endif()

# The options are the entries of the help's option list: lines indented by
# two blanks that start with a dash, up to the two blanks before the
# description ("  -h, --help  this text"). Mentions in the prose, such as
# "--name VALUE", are no options. Semicolons would bend the list of lines.
string(REPLACE ";" "," help "${help}")
string(REPLACE "\n" ";" helpLines "${help}")
set(options "")
foreach(line IN LISTS helpLines)
  if(NOT line MATCHES "^  -")
    continue()
  endif()
  string(REGEX REPLACE "^  ([^ ]+( [^ ]+)*).*" "\\1" entry "${line}")
  string(REGEX MATCHALL "(^|[ ,])-(-[A-Za-z0-9][A-Za-z0-9-]*|[A-Za-z])" found "${entry}")
  foreach(match IN LISTS found)
    string(REGEX REPLACE "^[ ,]" "" option "${match}")
    list(APPEND options "${option}")
  endforeach()
endforeach()
list(REMOVE_DUPLICATES options)
if(NOT options)
  message(FATAL_ERROR "found no option in the output of ${CALC} --help")
endif()

# Roff's escaped hyphens and font changes taken out, then every backslash,
# semicolon and bracket, which would bend the list of lines.
file(READ "${MANUAL}" manual)
string(REPLACE "\\-" "-" manual "${manual}")
string(REGEX REPLACE "\\\\f(\\[[A-Za-z]*\\]|\\(..|.)" "" manual "${manual}")
string(REGEX REPLACE "[][\\;]" " " manual "${manual}")
string(REPLACE "\n" ";" lines "${manual}")

# The tags of the .TP items under .SH OPTIONS.
set(tags "")
set(inOptions FALSE)
set(afterTP FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^\\.SH")
    set(inOptions FALSE)
    if(line MATCHES "^\\.SH +\"?OPTIONS\"?$")
      set(inOptions TRUE)
    endif()
  elseif(inOptions AND afterTP)
    string(APPEND tags " ${line}\n")
  endif()
  set(afterTP FALSE)
  if(inOptions AND line MATCHES "^\\.TP")
    set(afterTP TRUE)
  endif()
endforeach()

set(missing FALSE)
foreach(option IN LISTS options)
  if(NOT tags MATCHES "[^A-Za-z0-9_-]${option}([^A-Za-z0-9_-]|$)")
    # NOTICE, unlike FATAL_ERROR, does not wrap the line, which keeps the
    # option greppable.
    message(NOTICE "${MANUAL} has no item for ${option}")
    set(missing TRUE)
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "give each option of duvane-calc --help a .TP item under .SH OPTIONS")
endif()
list(LENGTH options count)
message(STATUS "${MANUAL} describes all ${count} options of ${CALC} --help")
