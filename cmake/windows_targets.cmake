# Windows (MinGW-w64 cross build): the shipped Pelorin.asi, and the stand-in
# ScriptHookV.dll with the runner that hosts both under Wine.
enable_language(RC)
set(PELORIN_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

configure_file(src/host/pelorin_version.rc.in ${CMAKE_BINARY_DIR}/generated/pelorin_version.rc @ONLY)
add_library(Pelorin SHARED ${PELORIN_CORE_SOURCES}
  src/host/host_abi_win32.cpp src/host/library_entry_win32.cpp
  src/platform/clock_win32.cpp src/platform/performance_counter_win32.cpp src/platform/files_win32.cpp
  src/platform/module_directory_win32.cpp src/platform/full_path_win32.cpp src/platform/file_age_win32.cpp
  src/platform/terminate_handler_win32.cpp src/platform/formatting_win32.cpp src/platform/background_call_win32.cpp
  ${CMAKE_BINARY_DIR}/generated/pelorin_version.rc)
set_target_properties(Pelorin PROPERTIES PREFIX "" SUFFIX ".asi")
pelorin_target_defaults(Pelorin)
# Debug information only for the separate symbol file; the code is the same.
target_compile_options(Pelorin PRIVATE -g -ffunction-sections)
# Nothing is exported: the host finds the plug-in through its library entry.
# Code the plug-in never calls is left out of it.
target_link_options(Pelorin PRIVATE ${PELORIN_STATIC_RUNTIME} -Wl,--exclude-all-symbols -Wl,--gc-sections)
# Ship the file stripped; Pelorin.asi.debug keeps the symbols for crash reports
# (linked to it by name and checksum).
add_custom_command(TARGET Pelorin POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug Pelorin.asi Pelorin.asi.debug
  COMMAND ${CMAKE_OBJCOPY} --strip-all Pelorin.asi
  COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=Pelorin.asi.debug Pelorin.asi
  WORKING_DIRECTORY $<TARGET_FILE_DIR:Pelorin>
  COMMENT "Stripping Pelorin.asi, symbols kept in Pelorin.asi.debug")

add_library(ScriptHookV SHARED ${PELORIN_SIM_SOURCES} sim/script_fiber_win32.cpp
  wine/standin_exports_win32.cpp wine/ScriptHookV.def)
set_target_properties(ScriptHookV PROPERTIES PREFIX "")
pelorin_target_defaults(ScriptHookV)
target_link_options(ScriptHookV PRIVATE ${PELORIN_STATIC_RUNTIME})

add_executable(runner wine/runner_win32.cpp)
pelorin_target_defaults(runner)
target_link_libraries(runner PRIVATE shell32)
target_link_options(runner PRIVATE ${PELORIN_STATIC_RUNTIME})

# The INI library: reader, writer, encodings and the float reader.
file(GLOB PELORIN_INI_SOURCES CONFIGURE_DEPENDS src/ini/*.cpp)
add_executable(ini_conformance wine/ini_conformance_win32.cpp ${PELORIN_INI_SOURCES} src/platform/files_win32.cpp
  src/platform/file_replace.cpp src/platform/rewrite_journal.cpp)
pelorin_target_defaults(ini_conformance)
target_link_options(ini_conformance PRIVATE ${PELORIN_STATIC_RUNTIME} -municode)

# The settings checker and what it rides on: the reader, the key table, the
# ranges the plug-in applies, the roll.
set(PELORIN_CHECKER_SOURCES src/checker/settings_checker.cpp src/checker/settings_values_check.cpp
  src/checker/value_reading.cpp src/checker/key_suggestion.cpp src/settings/setting_limits.cpp
  src/settings/custom_points_reach.cpp src/settings/settings_keys.cpp src/settings/settings_record.cpp
  src/settings/spawn_roll.cpp src/settings/key_names.cpp src/settings/custom_spawn_key.cpp ${PELORIN_INI_SOURCES})

# The settings checker of the release: checks the Pelorin.ini beside it, with
# the plug-in's own formatting.
add_executable(pelorin-check tools/pelorin_check_win32.cpp tools/check_command.cpp tools/settings_map.cpp
  tools/open_file_win32.cpp
  src/platform/formatting_win32.cpp tools/settings_check_list.cpp src/spawn/spawn_points.cpp
  ${PELORIN_CHECKER_SOURCES})
pelorin_target_defaults(pelorin-check)
target_link_libraries(pelorin-check PRIVATE shell32)
target_link_options(pelorin-check PRIVATE ${PELORIN_STATIC_RUNTIME} -s)

# Reads a file's version resource as its properties show it (checks Pelorin.asi).
add_executable(version_info wine/version_info_win32.cpp)
pelorin_target_defaults(version_info)
target_link_libraries(version_info PRIVATE version)
target_link_options(version_info PRIVATE ${PELORIN_STATIC_RUNTIME})

# The release: Pelorin-<version>.zip, unzipped by the player into the game's folder.
configure_file(dist/Pelorin-Readme.txt.in ${CMAKE_BINARY_DIR}/package/Pelorin-Readme.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS Pelorin pelorin-check RUNTIME DESTINATION .)
# The settings ship as Pelorin-default.ini: a zip cannot hold a file "only when
# absent", and an update unzipped over the game's folder must never replace the
# player's Pelorin.ini (the guide says to rename it at the first install).
install(FILES dist/Pelorin.ini DESTINATION . RENAME Pelorin-default.ini)
install(FILES ${CMAKE_BINARY_DIR}/package/Pelorin-Readme.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME Pelorin-${PROJECT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

# The settings check beside the per-key Win32 reader, under Wine (scripts/wine_bench.sh).
add_executable(settings_bench wine/settings_bench_win32.cpp src/settings_io/settings_store.cpp
  src/settings_io/settings_file.cpp src/settings_io/held_settings.cpp src/settings_io/settings_write_job.cpp
  src/checker/findings_log.cpp
  src/checker/first_findings.cpp ${PELORIN_CHECKER_SOURCES}
  src/shared/event_log.cpp src/platform/clock_win32.cpp src/platform/performance_counter_win32.cpp
  src/platform/files_win32.cpp
  src/platform/file_replace.cpp src/platform/rewrite_journal.cpp src/platform/module_directory_win32.cpp
  src/platform/file_age_win32.cpp src/platform/background_call_win32.cpp)
pelorin_target_defaults(settings_bench)
target_link_options(settings_bench PRIVATE ${PELORIN_STATIC_RUNTIME} -municode)
