# Builds Tavrel.exe and Vesktal.exe anew, in a build tree of their own, with
# linker flags of a builder's own (a linker map of each program), and checks
# that the programs still link their runtime into themselves: the flags that
# a build is given must not take the static runtime away.
#
#   cmake -DSOURCE=dir -DBINARY=dir -DTOOLCHAIN=file -DPROCESSOR=name
#         -DPYTHON=python -DGENERATOR=name -DMAKE_PROGRAM=path -P own_linker_flags_test.cmake
foreach(setting SOURCE BINARY TOOLCHAIN PROCESSOR PYTHON GENERATOR MAKE_PROGRAM)
  if(NOT DEFINED ${setting})
    message(FATAL_ERROR "own_linker_flags_test: ${setting} is not set")
  endif()
endforeach()

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "own_linker_flags_test: ${what} failed (${result})")
  endif()
endfunction()

set(maps ${BINARY}/maps)
file(REMOVE_RECURSE ${BINARY})
file(MAKE_DIRECTORY ${maps})
run("configuring"
  ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G ${GENERATOR} -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}
  -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-Map=${maps}/")
run("building the programs" ${CMAKE_COMMAND} --build ${BINARY} --target Tavrel Vesktal)

# The builder's flags reached the linker.
foreach(map Tavrel.exe.map Vesktal.exe.map)
  if(NOT EXISTS ${maps}/${map})
    message(FATAL_ERROR "own_linker_flags_test: no ${map}: the linker did not get the build's flags")
  endif()
endforeach()

run("checking the programs"
  ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/program_headers_test.py ${PROCESSOR}
  ${BINARY}/tavrel/Tavrel.exe ${BINARY}/activator/Vesktal.exe)
