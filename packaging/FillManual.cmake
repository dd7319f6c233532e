# Puts the option items OPTIONS_FILE into the manual TEMPLATE at the line
# @OPTION_ITEMS@ and writes OUTPUT.
#   cmake -DTEMPLATE=... -DOPTIONS_FILE=... -DOUTPUT=... -P FillManual.cmake
file(READ "${TEMPLATE}" manual)
file(READ "${OPTIONS_FILE}" items)
string(FIND "${manual}" "@OPTION_ITEMS@\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${TEMPLATE} has no line @OPTION_ITEMS@")
endif()
string(REPLACE "@OPTION_ITEMS@\n" "${items}" manual "${manual}")
file(WRITE "${OUTPUT}" "${manual}")
