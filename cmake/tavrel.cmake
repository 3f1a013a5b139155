# Helpers shared by the project's CMake files.

# GoogleTest: the system package natively; built from Debian's sources for
# the Windows build, where no prebuilt library exists.
if(WIN32)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
  set(TAVREL_GTEST_MAIN gtest_main)
  set(TAVREL_GMOCK gmock)
else()
  find_package(GTest REQUIRED)
  set(TAVREL_GTEST_MAIN GTest::gtest_main)
  set(TAVREL_GMOCK GTest::gmock)
endif()
include(GoogleTest)

# All Windows-side programs share one Wine prefix in the build tree.
if(WIN32)
  set(TAVREL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run --prefix ${TAVREL_WINEPREFIX})
endif()

# tavrel_add_test(NAME SOURCES... [LIBS libs...])
# A GoogleTest program registered with CTest. In the Windows build CTest runs
# it through the Wine runner (CMAKE_CROSSCOMPILING_EMULATOR).
#
# BUILD_ONLY: the program is built but not registered; tavrel_add_wine_test
# runs it in a prefix of its own.
function(tavrel_add_test name)
  cmake_parse_arguments(ARG "BUILD_ONLY" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${TAVREL_GTEST_MAIN})
  if(ARG_BUILD_ONLY)
    return()
  endif()
  if(WIN32)
    # One program per test run: Wine starts slowly, and the Windows-side tests
    # share one prefix and one display.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine TIMEOUT 600)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# tavrel_add_resources(target)
# Compiles Tavrel's resources into a program: its icons, cursor, pictures and
# manifest. The resource compiler reads them through the script, so the
# program is rebuilt whenever one of them changes, as it is when the script
# does.
function(tavrel_add_resources target)
  set(dir ${PROJECT_SOURCE_DIR}/tavrel/win32)
  file(GLOB art CONFIGURE_DEPENDS ${dir}/art/*.gif ${dir}/art/*.jpg ${dir}/art/*.ico ${dir}/art/*.cur)
  target_sources(${target} PRIVATE ${dir}/tavrel.rc)
  target_include_directories(${target} PRIVATE ${dir})
  set_source_files_properties(${dir}/tavrel.rc TARGET_DIRECTORY ${target}
    PROPERTIES OBJECT_DEPENDS "${dir}/tavrel.manifest;${dir}/resource_ids.h;${art}")
endfunction()

# tavrel_add_wine_test(NAME name PROGRAM target PREFIX dir [DPI n] [LOCALE name])
# Runs a Windows-side test program under Wine in a prefix of its own (PREFIX,
# in the build tree), for a setting of the user's Windows that the shared
# prefix does not have: the screen's dots per inch, or the locale whose code
# page is the system's. The program finds the DPI it was meant for in
# TAVREL_TEST_DPI.
function(tavrel_add_wine_test)
  cmake_parse_arguments(ARG "" "NAME;PROGRAM;PREFIX;DPI;LOCALE" "" ${ARGN})
  set(settings)
  if(ARG_DPI)
    list(APPEND settings --dpi ${ARG_DPI})
  endif()
  if(ARG_LOCALE)
    list(APPEND settings --locale ${ARG_LOCALE})
  endif()
  add_test(NAME ${ARG_NAME}
           COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-run --prefix ${CMAKE_BINARY_DIR}/${ARG_PREFIX} ${settings}
                   $<TARGET_FILE:${ARG_PROGRAM}>)
  set_tests_properties(${ARG_NAME} PROPERTIES RESOURCE_LOCK wine TIMEOUT 600)
  if(ARG_DPI)
    set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT TAVREL_TEST_DPI=${ARG_DPI})
  endif()
endfunction()

# tavrel_add_table(TARGET name GENERATOR script DATA file HEADER path SOURCE path)
# A table library whose C++ sources the generator writes into the build tree
# from the committed data file; the generated header is included as HEADER
# (for example tables/codes/code_slices.h).
function(tavrel_add_table)
  cmake_parse_arguments(ARG "" "TARGET;GENERATOR;DATA;HEADER;SOURCE" "" ${ARGN})
  set(generated_dir ${CMAKE_CURRENT_BINARY_DIR}/generated)
  get_filename_component(output_dir ${generated_dir}/${ARG_HEADER} DIRECTORY)
  set(outputs ${generated_dir}/${ARG_HEADER} ${generated_dir}/${ARG_SOURCE})
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_GENERATOR}
            ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DATA} ${output_dir}
    DEPENDS ${ARG_GENERATOR} ${ARG_DATA} ${PROJECT_SOURCE_DIR}/tables/table_generator.py
    COMMENT "Generating ${ARG_TARGET} from ${ARG_DATA}")
  add_library(${ARG_TARGET} STATIC ${outputs})
  target_include_directories(${ARG_TARGET} PUBLIC ${generated_dir})
  target_link_libraries(${ARG_TARGET} PUBLIC tavrel_core)
endfunction()

# tavrel_test_data(TARGET MACRO path [MACRO path]...)
# Gives a test program the places of committed data files, each path taken
# from the top of the source tree, as string macros. The files are read where
# they stand; under Wine the host's root is drive Z:.
function(tavrel_test_data target)
  set(root ${PROJECT_SOURCE_DIR})
  if(CMAKE_CROSSCOMPILING AND WIN32)
    set(root "Z:${PROJECT_SOURCE_DIR}")
  endif()
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs macro path)
    target_compile_definitions(${target} PRIVATE ${macro}="${root}/${path}")
  endwhile()
endfunction()

# tavrel_add_generator_test(NAME name SCRIPT test.py GENERATOR generator.py DATA file)
# A test of a generator against its committed data file, both paths taken
# from the top of the source tree. Generators run on the build machine, so
# only the native builds check them.
function(tavrel_add_generator_test)
  cmake_parse_arguments(ARG "" "NAME;SCRIPT;GENERATOR;DATA" "" ${ARGN})
  if(NOT CMAKE_CROSSCOMPILING)
    add_test(NAME ${ARG_NAME}
             COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SCRIPT}
                     ${PROJECT_SOURCE_DIR}/${ARG_GENERATOR} ${PROJECT_SOURCE_DIR}/${ARG_DATA})
  endif()
endfunction()
