# Windows-side tests run under Wine in one private display and prefix per ctest run:
# the fixture "wine" brings them up before the first such test and ends them after the
# last, also when a test fails or times out. The tests share one prefix (and with it
# C:\q_vosk and the window titles the programs look for), so they run one at a time.
set(VQ_WINE_ENV_DIR ${CMAKE_BINARY_DIR}/wine-env)
set(VQ_WINE_MONITORS_ENV_DIR ${CMAKE_BINARY_DIR}/wine-env-monitors)

if(WIN32)
  # The prefix matches the programs: a 64-bit build runs in a 64-bit prefix through Wine's
  # 64-bit loader, the 32-bit build in a 32-bit one.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VQ_WINE_ARCH win64)
  else()
    set(VQ_WINE_ARCH win32)
  endif()
  # Each world checks, before its first test, that a program of the build's architecture sees
  # the monitors it placed (monitor_probe), so a world Wine cannot see fails once, with the
  # likely cause, instead of every test failing on its own.
  set(vq_probe "VQ_MONITOR_PROBE=$<TARGET_FILE:monitor_probe>")
  add_test(NAME wine_env_up
           COMMAND ${CMAKE_COMMAND} -E env ${vq_probe}
                   ${CMAKE_SOURCE_DIR}/tools/wine_env.sh up ${VQ_WINE_ENV_DIR} ${VQ_WINE_ARCH})
  set_tests_properties(wine_env_up PROPERTIES FIXTURES_SETUP wine TIMEOUT 300 RESOURCE_LOCK wine)
  add_test(NAME wine_env_down COMMAND ${CMAKE_SOURCE_DIR}/tools/wine_env.sh down ${VQ_WINE_ENV_DIR})
  set_tests_properties(wine_env_down PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 120 RESOURCE_LOCK wine)

  # A second world, for the tests of a desk with two monitors: Xorg's dummy driver shows two
  # 1280 x 1024 monitors side by side (Xvfb's screens would all lie at 0,0), with a prefix of
  # its own. Its tests also hold the lock "wine": one Wine test at a time on the machine.
  add_test(NAME wine_monitors_env_up
           COMMAND ${CMAKE_COMMAND} -E env "VQ_MONITORS=1280x1024 1280x1024" ${vq_probe}
                   ${CMAKE_SOURCE_DIR}/tools/wine_env.sh up ${VQ_WINE_MONITORS_ENV_DIR} ${VQ_WINE_ARCH})
  set_tests_properties(wine_monitors_env_up PROPERTIES FIXTURES_SETUP wine_monitors TIMEOUT 300 RESOURCE_LOCK wine)
  add_test(NAME wine_monitors_env_down COMMAND ${CMAKE_SOURCE_DIR}/tools/wine_env.sh down ${VQ_WINE_MONITORS_ENV_DIR})
  set_tests_properties(wine_monitors_env_down PROPERTIES FIXTURES_CLEANUP wine_monitors TIMEOUT 120 RESOURCE_LOCK wine)

  # Worlds of a display scaled to 150 % and 200 %: Xvfb as in the first, with a prefix of its
  # own whose LogPixels is 144 or 192, the DPI every program of the world sees. Their tests
  # also hold the lock "wine".
  foreach(dpi 144 192)
    add_test(NAME wine_dpi${dpi}_env_up
             COMMAND ${CMAKE_COMMAND} -E env "VQ_LOGPIXELS=${dpi}" ${vq_probe}
                     ${CMAKE_SOURCE_DIR}/tools/wine_env.sh up ${CMAKE_BINARY_DIR}/wine-env-dpi${dpi} ${VQ_WINE_ARCH})
    set_tests_properties(wine_dpi${dpi}_env_up PROPERTIES FIXTURES_SETUP wine_dpi${dpi} TIMEOUT 300 RESOURCE_LOCK wine)
    add_test(NAME wine_dpi${dpi}_env_down
             COMMAND ${CMAKE_SOURCE_DIR}/tools/wine_env.sh down ${CMAKE_BINARY_DIR}/wine-env-dpi${dpi})
    set_tests_properties(wine_dpi${dpi}_env_down PROPERTIES FIXTURES_CLEANUP wine_dpi${dpi} TIMEOUT 120 RESOURCE_LOCK wine)
  endforeach()
endif()

# vq_add_wine_test(NAME <name> COMMAND <target> [args...] [TIMEOUT seconds] [TRACE channel]
#                  [MONITORS] [LOGPIXELS 144|192])
# The test program sees VQ_DIST_DIR (the installable pair, a Unix path) and the Wine env.
# With TRACE, Wine's trace of that debug channel, for the test and the programs it starts,
# goes to a file whose path the test finds in VQ_WINE_TRACE. With MONITORS it runs in the
# world of two monitors instead, with LOGPIXELS in the world of that DPI.
function(vq_add_wine_test)
  cmake_parse_arguments(arg "MONITORS" "NAME;TIMEOUT;TRACE;LOGPIXELS" "COMMAND" ${ARGN})
  set(fixture wine)
  set(env_dir ${VQ_WINE_ENV_DIR})
  if(arg_MONITORS)
    set(fixture wine_monitors)
    set(env_dir ${VQ_WINE_MONITORS_ENV_DIR})
  elseif(arg_LOGPIXELS)
    set(fixture wine_dpi${arg_LOGPIXELS})
    set(env_dir ${CMAKE_BINARY_DIR}/wine-env-dpi${arg_LOGPIXELS})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  if(arg_TRACE)
    list(POP_FRONT arg_COMMAND program)
    add_test(NAME ${arg_NAME} COMMAND ${CMAKE_SOURCE_DIR}/tools/wine_exec_traced.sh ${arg_TRACE}
             ${CMAKE_CURRENT_BINARY_DIR}/${arg_NAME}_${arg_TRACE}_trace.log
             $<TARGET_FILE:${program}> ${arg_COMMAND})
  else()
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  endif()
  set_tests_properties(${arg_NAME} PROPERTIES
    FIXTURES_REQUIRED ${fixture}
    RESOURCE_LOCK wine
    TIMEOUT ${arg_TIMEOUT}
    LABELS wine
    ENVIRONMENT "VQ_WINE_ENV=${env_dir};VQ_DIST_DIR=${VQ_DIST_DIR};VQ_SOURCE_DIR=${CMAKE_SOURCE_DIR};VQ_WINE_TIMEOUT=${arg_TIMEOUT}")
endfunction()

# vq_dist(<target> <file name>): lay a program out in dist/ under its installed name.
function(vq_dist target file_name)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VQ_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${VQ_DIST_DIR}/${file_name}
    VERBATIM)
endfunction()
