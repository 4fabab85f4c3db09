# libFuzzer targets (clang): the settings reader and its lookups, the writer
# with its invariant, readSettings with the custom points, and the settings
# checker against the reader, over arbitrary files. Everything is built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and a finding stops the run. scripts/fuzz.sh builds and runs them.
set(PELORIN_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${PELORIN_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
add_link_options(${PELORIN_FUZZ_FLAGS})

add_library(pelorin_core STATIC ${PELORIN_CORE_SOURCES} ${PELORIN_POSIX_SOURCES})
pelorin_target_defaults(pelorin_core)
add_library(pelorin_sim STATIC ${PELORIN_SIM_SOURCES} sim/script_fiber_posix.cpp sim/host_abi_linux.cpp)
pelorin_target_defaults(pelorin_sim)

foreach(target profile_text_fuzz profile_writer_fuzz settings_file_fuzz settings_checker_fuzz)
  add_executable(${target} fuzz/${target}.cpp)
  pelorin_target_defaults(${target})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
target_link_libraries(profile_text_fuzz PRIVATE pelorin_core)
target_link_libraries(profile_writer_fuzz PRIVATE pelorin_core)
target_sources(settings_checker_fuzz PRIVATE tools/settings_check_list.cpp)
target_link_libraries(settings_checker_fuzz PRIVATE pelorin_core)
# A fresh game disarms the file faults of the soak (a read that an editor strikes).
target_sources(settings_file_fuzz PRIVATE tests/support/plugin_state.cpp sim/soak_file_faults.cpp)
target_compile_definitions(settings_file_fuzz PRIVATE PELORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(settings_file_fuzz PRIVATE pelorin_core pelorin_sim)
