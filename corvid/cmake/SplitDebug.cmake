# Run by cmake --install: strips the installed library and keeps its debug
# information in a file of its own where debuggers look for it by build ID,
# as Debian's packages do: <prefix>/lib/debug/.build-id/<xx>/<rest>.debug.
# Needs LIBRARY (the installed file), DEBUG_ROOT, OBJCOPY, READELF and STRIP.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN}: ${errors}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

run(${READELF} --notes --section-headers ${LIBRARY})
if(NOT output MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
  message(FATAL_ERROR "${LIBRARY} has no build ID to find its debug information by")
endif()
set(debug ${DEBUG_ROOT}/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug)
# An installation that found the library up to date left it stripped.
if(NOT output MATCHES "\\.debug_info" AND EXISTS ${debug})
  return()
endif()
get_filename_component(debugDir ${debug} DIRECTORY)
file(MAKE_DIRECTORY ${debugDir})
run(${OBJCOPY} --only-keep-debug ${LIBRARY} ${debug})
run(${STRIP} --strip-debug --strip-unneeded --remove-section=.comment ${LIBRARY})
run(${OBJCOPY} --add-gnu-debuglink=${debug} ${LIBRARY})
message(STATUS "Stripped: ${LIBRARY}, debug information in ${debug}")
