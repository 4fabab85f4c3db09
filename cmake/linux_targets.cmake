# Linux: the plug-in core linked against the simulated game, with tests, the
# command-line simulator and the benchmarks.
add_library(pelorin_core STATIC ${PELORIN_CORE_SOURCES} src/platform/files_posix.cpp)
pelorin_target_defaults(pelorin_core)

add_library(pelorin_sim STATIC ${PELORIN_SIM_SOURCES} sim/script_fiber_posix.cpp sim/host_abi_linux.cpp)
pelorin_target_defaults(pelorin_sim)

# The soak: random episodes of play checked against the players' invariants.
add_library(pelorin_soak STATIC ${PELORIN_SOAK_SOURCES} tests/support/plugin_state.cpp)
pelorin_target_defaults(pelorin_soak)
target_compile_definitions(pelorin_soak PRIVATE PELORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

add_executable(pelorin-sim tools/pelorin_sim.cpp)
pelorin_target_defaults(pelorin-sim)
target_link_libraries(pelorin-sim PRIVATE pelorin_soak pelorin_core pelorin_sim)

find_package(GTest REQUIRED)
enable_testing()
file(GLOB PELORIN_TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp tests/support/*.cpp)
add_executable(pelorin_tests ${PELORIN_TEST_SOURCES})
pelorin_target_defaults(pelorin_tests)
target_compile_definitions(pelorin_tests PRIVATE PELORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(pelorin_tests PRIVATE pelorin_soak pelorin_core pelorin_sim GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(pelorin_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)

file(GLOB PELORIN_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
add_executable(pelorin_bench ${PELORIN_BENCH_SOURCES} tests/support/plugin_state.cpp)
pelorin_target_defaults(pelorin_bench)
target_compile_definitions(pelorin_bench PRIVATE PELORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(pelorin_bench PRIVATE pelorin_core pelorin_sim)

# The scenarios of the simulated game, each in a fresh game directory.
set(PELORIN_SCENARIO_RUNNER ${CMAKE_SOURCE_DIR}/scripts/sim_scenario.sh)
foreach(scenario missing-then-saved stored-skin)
  add_test(NAME scenario.${scenario} COMMAND ${PELORIN_SCENARIO_RUNNER} $<TARGET_FILE:pelorin-sim> ${scenario})
endforeach()
foreach(scenario key-chord death play)
  add_test(NAME scenario.${scenario} COMMAND ${PELORIN_SCENARIO_RUNNER} $<TARGET_FILE:pelorin-sim> ${scenario}
           ${CMAKE_SOURCE_DIR}/dist/Pelorin.ini)
endforeach()

# A short soak: seeded random episodes of play, every frame checked against the
# players' invariants (the long run is scripts/soak.sh).
add_test(NAME soak.short COMMAND pelorin-sim soak --episodes 2000 --seed 1)
set_tests_properties(soak.short PROPERTIES TIMEOUT 300)

# The folders of src/ form layers; no include may run from one up to a higher
# one. The fixture holds one upward include, which the check must reject.
add_test(NAME layers.src_includes_only_downward
         COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake)
add_test(NAME layers.check_rejects_an_upward_include
         COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/tests/layer_fixture -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake)
set_tests_properties(layers.check_rejects_an_upward_include PROPERTIES
                     PASS_REGULAR_EXPRESSION "includes host/, a layer above platform/")
