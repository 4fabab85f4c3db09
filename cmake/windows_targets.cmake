# Windows (MinGW-w64 cross build): the shipped Pelorin.asi, and the stand-in
# ScriptHookV.dll with the runner that hosts both under Wine.
set(PELORIN_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_library(Pelorin SHARED ${PELORIN_CORE_SOURCES}
  src/host/host_abi_win32.cpp src/host/library_entry_win32.cpp
  src/platform/clock_win32.cpp src/platform/files_win32.cpp)
set_target_properties(Pelorin PROPERTIES PREFIX "" SUFFIX ".asi")
pelorin_target_defaults(Pelorin)
target_link_options(Pelorin PRIVATE ${PELORIN_STATIC_RUNTIME})

add_library(ScriptHookV SHARED ${PELORIN_SIM_SOURCES} sim/script_fiber_win32.cpp
  wine/standin_exports_win32.cpp wine/ScriptHookV.def)
set_target_properties(ScriptHookV PROPERTIES PREFIX "")
pelorin_target_defaults(ScriptHookV)
target_link_options(ScriptHookV PRIVATE ${PELORIN_STATIC_RUNTIME})

add_executable(runner wine/runner_win32.cpp)
pelorin_target_defaults(runner)
target_link_options(runner PRIVATE ${PELORIN_STATIC_RUNTIME})

add_executable(ini_conformance wine/ini_conformance_win32.cpp src/settings/profile_text.cpp
  src/settings/profile_encoding.cpp src/platform/files_win32.cpp)
pelorin_target_defaults(ini_conformance)
target_link_options(ini_conformance PRIVATE ${PELORIN_STATIC_RUNTIME})

# The settings check beside the per-key Win32 reader, under Wine (scripts/wine_bench.sh).
add_executable(settings_bench wine/settings_bench_win32.cpp src/settings/respawn_settings.cpp
  src/settings/settings_file.cpp src/settings/profile_text.cpp src/settings/profile_encoding.cpp
  src/settings/decimal_float.cpp src/platform/files_win32.cpp)
pelorin_target_defaults(settings_bench)
target_link_options(settings_bench PRIVATE ${PELORIN_STATIC_RUNTIME})
