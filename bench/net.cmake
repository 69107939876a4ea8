# HTTP content downloads on nginx on 127.0.0.1: throughput and memory against curl, a killed
# download resumed, and the speed limit.
add_executable(bench_download downloadbench.cpp)
target_link_libraries(bench_download PRIVATE gd7_update gd7_net gd7_testsupport gd7_benchkit)

