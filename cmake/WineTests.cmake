# Tests that run Windows programs under Wine share one environment per ctest
# run: an Xvfb display, a persistent wineserver, the prefix <build>/wineprefix
# and the CUPS PDF printer. The fixture WineEnv starts it before the first such
# test and stops it after the last (cmake/wine-env.sh).
#
#   ruxa_wine_test(NAME name COMMAND cmd args... [WORKING_DIRECTORY dir] [TIMEOUT seconds]
#                  [TWO_MONITORS])
#
# COMMAND is an executable target (CMake puts the Wine launcher,
# CMAKE_CROSSCOMPILING_EMULATOR, in front of it) or a host program such as
# `bash script.sh`; a script runs Windows programs after sourcing
# cmake/wine-vars.sh, which picks up the same prefix and display. Wine tests
# run one at a time: they share the display, the clipboard, the printer queue
# and the hot keys registered in the one wineserver.
#
# TWO_MONITORS also starts, once for the tests that ask for it, a display with
# two monitors and a prefix and wineserver of its own on it (fixture
# TwoMonitorEnv, cmake/two-monitor-env.sh); an end-to-end script moves onto it
# with use_two_monitors (tests/e2e/lib.sh).
include_guard(GLOBAL)

# What every test of the fixture shares: this build's prefix and state, never
# the developer's own display, and the one-at-a-time rule.
function(_ruxa_wine_test_properties test)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT_MODIFICATION
      "RUXA_WINEPREFIX=set:${CMAKE_BINARY_DIR}/wineprefix;RUXA_TEST_ENV=set:${CMAKE_BINARY_DIR}/test-env;DISPLAY=unset:"
    RUN_SERIAL TRUE
    LABELS wine
    ${ARGN})
endfunction()

add_test(NAME wine_env_setup COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-env.sh start)
add_test(NAME wine_env_cleanup COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-env.sh stop)
# A cold prefix takes Wine some 15 seconds to create; a new machine also
# starts cupsd.
_ruxa_wine_test_properties(wine_env_setup FIXTURES_SETUP WineEnv TIMEOUT 600)
_ruxa_wine_test_properties(wine_env_cleanup FIXTURES_CLEANUP WineEnv TIMEOUT 120)

# The two monitors' display runs inside WineEnv's; its prefix takes Wine some
# 20 seconds to create the first time.
add_test(NAME two_monitor_env_setup COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/two-monitor-env.sh start)
add_test(NAME two_monitor_env_cleanup COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/two-monitor-env.sh stop)
_ruxa_wine_test_properties(two_monitor_env_setup FIXTURES_SETUP TwoMonitorEnv FIXTURES_REQUIRED WineEnv TIMEOUT 600)
_ruxa_wine_test_properties(two_monitor_env_cleanup FIXTURES_CLEANUP TwoMonitorEnv FIXTURES_REQUIRED WineEnv
  TIMEOUT 120)

function(ruxa_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "TWO_MONITORS;BENCHMARK" "NAME;WORKING_DIRECTORY;TIMEOUT" "COMMAND")
  if(NOT arg_NAME OR NOT arg_COMMAND)
    message(FATAL_ERROR "ruxa_wine_test needs NAME and COMMAND")
  endif()
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND} WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  set(fixtures WineEnv)
  if(arg_TWO_MONITORS)
    list(APPEND fixtures TwoMonitorEnv)
  endif()
  _ruxa_wine_test_properties(${arg_NAME} TIMEOUT ${arg_TIMEOUT})
  set_tests_properties(${arg_NAME} PROPERTIES FIXTURES_REQUIRED "${fixtures}")
  # Benchmarks assert nothing: ./bench.sh runs them (label benchmark), ./test.sh does not.
  if(arg_BENCHMARK)
    set_tests_properties(${arg_NAME} PROPERTIES LABELS "wine;benchmark")
  endif()
endfunction()
