# Registering GoogleTest programs with CTest.
include(GoogleTest)

# Natively one CTest entry per test case. In the Windows cross build one entry per program, run
# under Wine in the build's own prefix: starting Wine for every case would cost a second each.
function(horavia_add_gtests target)
  if(CMAKE_CROSSCOMPILING AND WIN32)
    add_test(NAME ${target} COMMAND ${target})
    horavia_wine_test(${target})
  else()
    gtest_discover_tests(${target} ${ARGN})
  endif()
endfunction()

# A test that runs under Wine: it needs the build's prefix (created by the first test run) and
# never reaches a display of this machine.
function(horavia_wine_test name)
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    ENVIRONMENT "WINEPREFIX=${HORAVIA_WINE_PREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml="
    ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:"
    TIMEOUT 300)
endfunction()
