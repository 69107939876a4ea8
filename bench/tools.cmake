# Publisher benchmarks: the patch encoder of gd7-publish against the reference encoder's patch sizes
# listed with the JojoDiff vectors.
add_executable(bench_publishdiff ${CMAKE_CURRENT_LIST_DIR}/bench_publishdiff.cpp ${CMAKE_CURRENT_LIST_DIR}/patchbench.h)
target_link_libraries(bench_publishdiff PRIVATE gd7_patch)
target_compile_definitions(bench_publishdiff PRIVATE GD7_DEFAULT_TEST_DATA="${PROJECT_SOURCE_DIR}/../shared/testdata")
