# Installs the corvid component into a fresh prefix and builds the example
# program against it twice, as other projects would: with pkg-config and with
# find_package(Corvid). Both programs must run on the simulated card.
# Needs BUILD_DIR, WORK_DIR, SOURCE (the example), CONSUMER (its project),
# C_COMPILER; EXTRA_FLAGS go to every compile and link.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

function(expect_square_ran program)
  run(${CMAKE_COMMAND} -E env CORVID_TRANSPORT=sim LD_LIBRARY_PATH=${libdir}
      ${program} ${WORK_DIR}/square.trace)
  if(NOT output MATCHES "0 220214 63000100")
    message(FATAL_ERROR "${program} did not send the arc:\n${output}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --component corvid --prefix ${prefix})

file(GLOB_RECURSE pcfiles ${prefix}/*/corvid.pc)
list(LENGTH pcfiles pcCount)
if(NOT pcCount EQUAL 1)
  message(FATAL_ERROR "expected one corvid.pc under ${prefix}, found: ${pcfiles}")
endif()
get_filename_component(pcdir ${pcfiles} DIRECTORY)
get_filename_component(libdir ${pcdir} DIRECTORY)

run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pcdir} pkg-config --cflags --libs corvid)
separate_arguments(flags UNIX_COMMAND "${output} ${EXTRA_FLAGS}")
run(${C_COMPILER} -std=c99 -Wall -Wextra -Werror ${SOURCE} ${flags} -o ${WORK_DIR}/square-pkgconfig)
expect_square_ran(${WORK_DIR}/square-pkgconfig)

run(${CMAKE_COMMAND} -S ${CONSUMER} -B ${WORK_DIR}/consumer -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_C_COMPILER=${C_COMPILER} -DSQUARE_SOURCE=${SOURCE} "-DCMAKE_C_FLAGS=${EXTRA_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
expect_square_ran(${WORK_DIR}/consumer/square)
message(STATUS "the installed package builds C programs with pkg-config and with find_package")
