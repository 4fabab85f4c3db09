# Sourced by the scripts that build: "cmake --build" runs as many jobs as the
# machine has cores, unless CMAKE_BUILD_PARALLEL_LEVEL is set already (the
# build presets fix no number of jobs).
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
