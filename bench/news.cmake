# The news tab over a 200-item feed with pictures from nginx on 127.0.0.1.
add_executable(bench_news newsbench.cpp)
target_link_libraries(bench_news PRIVATE gd7_newstestkit gd7_testsupport gd7_resources)
