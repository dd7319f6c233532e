# Fails when an option that `duvane-calc --help` names (every --word or -x)
# has no item of its own in the OPTIONS section of the manual, so that an
# option added to the program cannot miss the manual. A mention elsewhere, as
# in the synopsis, does not count: it tells nothing about the option.
#   cmake -DCALC=path/to/duvane-calc -DMANUAL=path/to/duvane-calc.1 -P CheckManualOptions.cmake

execute_process(COMMAND ${CALC} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CALC} --help failed (${status})")
endif()

# Blanks for everything but word characters, which also keeps brackets, that
# would bend CMake's lists, out; an option then starts after a blank, so
# words like twin-core or 2.5e-1 stay out.
string(REGEX REPLACE "[^A-Za-z0-9_-]+" " " help " ${help}")
string(REGEX MATCHALL " -(-[A-Za-z0-9][A-Za-z0-9-]*|[A-Za-z][A-Za-z0-9-]*)" found "${help}")
set(options "")
foreach(match IN LISTS found)
  string(STRIP "${match}" option)
  # A single dash before a whole word is no -x option.
  if(option MATCHES "^--" OR option MATCHES "^-[A-Za-z]$")
    list(APPEND options "${option}")
  endif()
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
