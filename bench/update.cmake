# The whole update of a big full package (HTTP path, torrent path) against curl plus 7zz, and a
# patch against the full package of the same version, on nginx on 127.0.0.1.
add_executable(bench_update updatebench.cpp)
target_link_libraries(bench_update PRIVATE gd7_updatetestkit gd7_resources gd7_benchkit)
