# Writes corvid.py, the ctypes wrapper, from the public headers: every
# function declared there with its result and argument types, and the codes.
# A type the table below does not know stops the configuration, so a new
# function can never reach Python with the wrong types.

set(CORVID_CTYPES
  "void=None" "short=ctypes.c_short" "unsigned short=ctypes.c_ushort" "int=ctypes.c_int"
  "int32_t=ctypes.c_int32" "uint32_t=ctypes.c_uint32" "double=ctypes.c_double"
  "const char*=ctypes.c_char_p" "void*=ctypes.c_void_p" "const void*=ctypes.c_void_p"
  "short*=ctypes.POINTER(ctypes.c_short)" "unsigned short*=ctypes.POINTER(ctypes.c_ushort)"
  "int32_t*=ctypes.POINTER(ctypes.c_int32)" "uint32_t*=ctypes.POINTER(ctypes.c_uint32)"
  "double*=ctypes.POINTER(ctypes.c_double)" "const double*=ctypes.POINTER(ctypes.c_double)"
  "CV_SimRequest*=ctypes.POINTER(CV_SimRequest)")

function(corvid_ctype declaration out)
  string(REGEX REPLACE "[ \t\n]+" " " type "${declaration}")
  string(REGEX REPLACE " *\\* *" "*" type "${type}")
  string(STRIP "${type}" type)
  foreach(entry IN LISTS CORVID_CTYPES)
    string(FIND "${entry}" "=" at)
    string(SUBSTRING "${entry}" 0 ${at} name)
    if(name STREQUAL type)
      math(EXPR at "${at} + 1")
      string(SUBSTRING "${entry}" ${at} -1 ctype)
      set(${out} "${ctype}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "corvid.py: no ctypes type for \"${type}\"")
endfunction()

# "const double* coefficients, short axis" -> "ctypes.POINTER(ctypes.c_double), ctypes.c_short"
function(corvid_ctype_list parameters out)
  string(STRIP "${parameters}" parameters)
  set(types "")
  if(NOT parameters STREQUAL "void")
    string(REPLACE "," ";" parameters "${parameters}")
    foreach(parameter IN LISTS parameters)
      string(REGEX REPLACE "[A-Za-z_][A-Za-z0-9_]*[ \t\n]*$" "" type "${parameter}")
      corvid_ctype("${type}" ctype)
      list(APPEND types "${ctype}")
    endforeach()
  endif()
  list(JOIN types ", " joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

function(corvid_generate_python template output)
  set(text "")
  foreach(header IN LISTS ARGN)
    file(READ ${header} part)
    string(APPEND text "${part}")
  endforeach()
  set(functions "")
  string(REGEX MATCHALL "CORVID_API[ \t]+[A-Za-z_][A-Za-z0-9_ \t]*[ \t*]+(CV_[A-Za-z0-9]+|download)\\([^)]*\\)"
         declarations "${text}")
  foreach(declaration IN LISTS declarations)
    string(REGEX MATCH "^CORVID_API[ \t]+(.*[ \t*])(CV_[A-Za-z0-9]+|download)\\(([^)]*)\\)$" _ "${declaration}")
    set(name "${CMAKE_MATCH_2}")
    set(parameters "${CMAKE_MATCH_3}")
    corvid_ctype("${CMAKE_MATCH_1}" restype)
    corvid_ctype_list("${parameters}" argtypes)
    string(APPEND functions "    \"${name}\": (${restype}, [${argtypes}]),\n")
  endforeach()
  set(constants "")
  string(REGEX MATCHALL "X\\((CV_[A-Z_]+), (-?[0-9]+)," codes "${text}")
  string(REGEX MATCHALL "(CV_SIM_[A-Z_]+) = ([0-9]+)" faults "${text}")
  foreach(code IN LISTS codes faults)
    string(REGEX REPLACE "^X\\(" "" code "${code}")
    string(REGEX REPLACE "^(CV_[A-Z_]+)(, | = )(-?[0-9]+),?$" "\\1 = \\3" code "${code}")
    string(APPEND constants "${code}\n")
  endforeach()
  set(CORVID_PY_FUNCTIONS "${functions}")
  set(CORVID_PY_CONSTANTS "${constants}")
  configure_file(${template} ${output} @ONLY)
endfunction()
