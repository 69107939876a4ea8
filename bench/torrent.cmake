# BitTorrent transfer speed on 127.0.0.1: a 256 MiB file from an nginx web seed (against curl of the same
# file) and from seeding peers. Run by hand: build/bench/bench_torrent
add_executable(bench_torrent ${CMAKE_CURRENT_LIST_DIR}/bench_torrent.cpp)
target_link_libraries(bench_torrent PRIVATE gd7_torrenttestkit gd7_benchkit)
target_compile_options(bench_torrent PRIVATE -Werror=deprecated-declarations)
