# Linux: the plug-in core linked against the simulated game, with tests, the
# command-line simulator and the benchmarks.
add_library(pelorin_core STATIC ${PELORIN_CORE_SOURCES} ${PELORIN_POSIX_SOURCES})
pelorin_target_defaults(pelorin_core)

# What only the tools and tests use of the checker and the key table: the
# sorted list of findings and the keys' descriptions.
add_library(pelorin_tool_support STATIC tools/settings_check_list.cpp tools/settings_key_descriptions.cpp
  tools/open_file_posix.cpp)
pelorin_target_defaults(pelorin_tool_support)
target_link_libraries(pelorin_tool_support PUBLIC pelorin_core)

add_library(pelorin_sim STATIC ${PELORIN_SIM_SOURCES} sim/script_fiber_posix.cpp sim/host_abi_linux.cpp)
pelorin_target_defaults(pelorin_sim)

# The soak: random episodes of play checked against the players' invariants.
add_library(pelorin_soak STATIC ${PELORIN_SOAK_SOURCES} tests/support/plugin_state.cpp)
pelorin_target_defaults(pelorin_soak)
target_compile_definitions(pelorin_soak PRIVATE PELORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

add_executable(pelorin-sim tools/pelorin_sim.cpp tools/menu_pictures.cpp)
pelorin_target_defaults(pelorin-sim)
target_link_libraries(pelorin-sim PRIVATE pelorin_soak pelorin_core pelorin_sim)

find_package(GTest REQUIRED)
enable_testing()
# CTest's time limits (seconds): at least five times a test's usual time on a
# slow, busy 2-core machine, under the sanitizers too (README.md has the times).
set(PELORIN_UNIT_TEST_TIMEOUT 150)
set(PELORIN_TOOL_TEST_TIMEOUT 60)
set(PELORIN_SOAK_TIMEOUT 900)
# The short soak's episodes: 2000 in the plain build; the sanitizer build plays
# a few hundred (memory faults show at once; the long soak is the plain build's job).
set(PELORIN_SOAK_EPISODES 2000 CACHE STRING "Episodes of the short soak (soak.short)")
file(GLOB PELORIN_TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp tests/support/*.cpp)
# The map of "pelorin check --map" is tested with them.
add_executable(pelorin_tests ${PELORIN_TEST_SOURCES} tools/settings_map.cpp)
pelorin_target_defaults(pelorin_tests)
target_compile_definitions(pelorin_tests PRIVATE PELORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(pelorin_tests PRIVATE pelorin_soak pelorin_tool_support pelorin_core pelorin_sim GTest::gtest GTest::gtest_main)
include(GoogleTest)
# Every test gets a temporary folder of the runs' own (TMPDIR), made empty
# before the first and checked empty after the last: whatever a test, a
# scenario or the soak makes there, it removes.
set(PELORIN_TEST_TEMPORARY ${CMAKE_BINARY_DIR}/test-temporary)
set(PELORIN_TEST_TEMPORARY_PROPERTIES ENVIRONMENT TMPDIR=${PELORIN_TEST_TEMPORARY}
    FIXTURES_REQUIRED temporary_folder)
gtest_discover_tests(pelorin_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60
                     PROPERTIES TIMEOUT ${PELORIN_UNIT_TEST_TIMEOUT} ${PELORIN_TEST_TEMPORARY_PROPERTIES})

file(GLOB PELORIN_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
add_executable(pelorin_bench ${PELORIN_BENCH_SOURCES} tests/support/plugin_state.cpp tests/support/menu_driver.cpp)
pelorin_target_defaults(pelorin_bench)
target_compile_definitions(pelorin_bench PRIVATE PELORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(pelorin_bench PRIVATE pelorin_soak pelorin_tool_support pelorin_core pelorin_sim)

# The scenarios of the simulated game, each in a fresh game directory.
set(PELORIN_SCENARIO_RUNNER ${CMAKE_SOURCE_DIR}/scripts/sim_scenario.sh)
foreach(scenario missing-then-saved stored-skin)
  add_test(NAME scenario.${scenario} COMMAND ${PELORIN_SCENARIO_RUNNER} $<TARGET_FILE:pelorin-sim> ${scenario})
endforeach()
foreach(scenario key-chord death play log save-spawn-point menu)
  add_test(NAME scenario.${scenario} COMMAND ${PELORIN_SCENARIO_RUNNER} $<TARGET_FILE:pelorin-sim> ${scenario}
           ${CMAKE_SOURCE_DIR}/dist/Pelorin.ini)
endforeach()

# The README's pictures of the menu are what the current code draws.
add_test(NAME docs.menu_pictures_are_current
         COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:pelorin-sim> -DDOCS=${CMAKE_SOURCE_DIR}/docs
                 -DWORK=${CMAKE_BINARY_DIR}/menu_pictures_check -P ${CMAKE_SOURCE_DIR}/cmake/check_menu_pictures.cmake)
# A short soak: seeded random episodes of play, every frame checked against the
# players' invariants (the long run is scripts/soak.sh).
add_test(NAME soak.short COMMAND pelorin-sim soak --episodes ${PELORIN_SOAK_EPISODES} --seed 1)
set_tests_properties(soak.short PROPERTIES TIMEOUT ${PELORIN_SOAK_TIMEOUT})

# The folders of src/ form layers; no include may run from one up to a higher
# one, nor out to the simulator, the tests or the tools. Each fixture holds
# includes that the check must reject.
add_test(NAME layers.src_includes_only_downward
         COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake)
add_test(NAME layers.check_rejects_an_upward_include
         COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/tests/layer_fixture -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake)
set_tests_properties(layers.check_rejects_an_upward_include PROPERTIES
                     PASS_REGULAR_EXPRESSION "includes host/, a layer above platform/")
foreach(outside sim tests)
  add_test(NAME layers.check_rejects_an_include_of_${outside}
           COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/tests/layer_fixture_outside
                   -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake)
  set_tests_properties(layers.check_rejects_an_include_of_${outside} PROPERTIES
                       PASS_REGULAR_EXPRESSION "includes ${outside}/, outside")
endforeach()

# "pelorin check": the settings file explained, and its map.
add_executable(pelorin tools/pelorin_main.cpp tools/check_command.cpp tools/settings_map.cpp)
pelorin_target_defaults(pelorin)
target_link_libraries(pelorin PRIVATE pelorin_tool_support pelorin_core)
# Its exit status: 0 clean, 1 warnings, 2 errors or an unreadable file; --json and --map.
set(PELORIN_CORPUS ${CMAKE_SOURCE_DIR}/tests/check_corpus)
function(pelorin_check_test name status)
  add_test(NAME check.${name} COMMAND ${CMAKE_COMMAND} "-DCOMMAND=$<TARGET_FILE:pelorin>;check;${ARGN}"
           -DEXPECT_EXIT=${status} ${PELORIN_CHECK_OUTPUT} -P ${CMAKE_SOURCE_DIR}/cmake/expect_exit.cmake)
endfunction()
pelorin_check_test(shipped_file_is_clean 0 ${CMAKE_SOURCE_DIR}/dist/Pelorin.ini)
pelorin_check_test(warnings_exit_1 1 ${PELORIN_CORPUS}/vehicle_types.ini)
pelorin_check_test(errors_exit_2 2 ${PELORIN_CORPUS}/key_codes.ini)
pelorin_check_test(unreadable_file_exits_2 2 ${PELORIN_CORPUS}/no_such_file.ini)
pelorin_check_test(unknown_option_exits_2 2 --no-such-option)
set(PELORIN_CHECK_OUTPUT "-DEXPECT_OUTPUT=^\\{\"file\":.*\"status\":2,\"findings\":\\[.*\\{\"line\":30,\"severity\":\"error\"")
pelorin_check_test(json 2 ${PELORIN_CORPUS}/key_codes.ini --json)
# Notepad's "Pelorin.ini.txt", seen when Pelorin.ini is not there.
set(PELORIN_CHECK_OUTPUT "-DEXPECT_OUTPUT=error: your file is named saved_as_txt.ini.txt: rename it to saved_as_txt.ini")
pelorin_check_test(file_saved_as_txt 2 ${PELORIN_CORPUS}/saved_as_txt.ini)
# The odds need no explanation: a share one roll short says why.
set(PELORIN_CHECK_OUTPUT "-DEXPECT_OUTPUT=random point of the map +9 of 99 rolls \\(9.1%\\), not 10: the rolls end at 99")
pelorin_check_test(odds_say_why_a_share_is_short 0 ${CMAKE_SOURCE_DIR}/dist/Pelorin.ini)
# The release's Pelorin-default.ini, not yet renamed at the first install.
set(PELORIN_CHECK_OUTPUT "-DEXPECT_OUTPUT=error: there is no Pelorin.ini, but Pelorin-default.ini is there: rename it to Pelorin.ini")
pelorin_check_test(default_file_not_renamed 2 ${CMAKE_SOURCE_DIR}/tests/check_default_only/Pelorin.ini)
# A share the earlier ones leave no roll says so, not that the rolls end at 99.
set(PELORIN_CHECK_OUTPUT "-DEXPECT_OUTPUT=custom point +0 of 99 rolls \\(0.0%\\), not 10: the shares before it take every roll")
pelorin_check_test(odds_say_when_the_shares_before_take_every_roll 1 ${PELORIN_CORPUS}/custom_points_never_picked.ini)
set(PELORIN_CHECK_OUTPUT "-DEXPECT_OUTPUT=Map written to")
pelorin_check_test(map 0 ${CMAKE_SOURCE_DIR}/dist/Pelorin.ini --map ${CMAKE_BINARY_DIR}/check_map.svg)
unset(PELORIN_CHECK_OUTPUT)

# The plug-in's formats stay within what msvcrt.dll knows; the fixture holds one that does not.
add_test(NAME formats.plugin_keeps_to_msvcrt
         COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/check_formats.cmake)
add_test(NAME formats.check_rejects_a_size_t_format
         COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/tests/format_fixture -P ${CMAKE_SOURCE_DIR}/cmake/check_formats.cmake)
set_tests_properties(formats.check_rejects_a_size_t_format PROPERTIES PASS_REGULAR_EXPRESSION "formats msvcrt.dll does not know")

# Every test added here without a limit of its own takes the tools' limit.
get_property(pelorin_listed_tests DIRECTORY PROPERTY TESTS)
foreach(test ${pelorin_listed_tests})
  get_test_property(${test} TIMEOUT limit)
  if(NOT limit)
    set_tests_properties(${test} PROPERTIES TIMEOUT ${PELORIN_TOOL_TEST_TIMEOUT})
  endif()
endforeach()

set_tests_properties(${pelorin_listed_tests} PROPERTIES ${PELORIN_TEST_TEMPORARY_PROPERTIES})
add_test(NAME temporary.folder_made COMMAND ${CMAKE_COMMAND} -DMODE=make -DFOLDER=${PELORIN_TEST_TEMPORARY}
         -P ${CMAKE_SOURCE_DIR}/cmake/temporary_folder.cmake)
set_tests_properties(temporary.folder_made PROPERTIES FIXTURES_SETUP temporary_folder)
add_test(NAME temporary.folder_left_empty COMMAND ${CMAKE_COMMAND} -DMODE=check -DFOLDER=${PELORIN_TEST_TEMPORARY}
         -P ${CMAKE_SOURCE_DIR}/cmake/temporary_folder.cmake)
set_tests_properties(temporary.folder_left_empty PROPERTIES FIXTURES_CLEANUP temporary_folder)
