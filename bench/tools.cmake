# Publisher benchmarks: the patch encoder of gd7-publish against the reference encoder's patch sizes
# listed with the JojoDiff vectors.
add_executable(bench_publishdiff ${CMAKE_CURRENT_LIST_DIR}/bench_publishdiff.cpp)
target_link_libraries(bench_publishdiff PRIVATE gd7_patch gd7_benchkit)

# gd7-publish full against 7zz a -mx=5 -mmt=2 over the same generated build.
add_executable(bench_publish ${CMAKE_CURRENT_LIST_DIR}/bench_publish.cpp)
target_link_libraries(bench_publish PRIVATE gd7_benchkit)
target_compile_definitions(bench_publish PRIVATE GD7_PUBLISH_EXE="$<TARGET_FILE:gd7-publish>")
add_dependencies(bench_publish gd7-publish)
