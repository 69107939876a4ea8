# Download throughput and memory of the HTTP client against curl, on nginx on 127.0.0.1.
add_executable(bench_download downloadbench.cpp)
target_link_libraries(bench_download PRIVATE gd7_net gd7_testsupport)
