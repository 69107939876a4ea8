# Start-up to the first painted frame against a bare Qt window, and the idle launcher's CPU and
# memory; run under tests/support/run-under-xvfb.
add_executable(bench_launcher bench_launcher.cpp)
target_link_libraries(bench_launcher PRIVATE gd7_ui gd7_launchertestkit gd7_resources gd7_benchkit)
target_compile_definitions(bench_launcher PRIVATE GD7_LAUNCHER="$<TARGET_FILE:GD7Launcher>")
add_dependencies(bench_launcher GD7Launcher)
