# Patching benchmarks: the patch applier against cp, fileSha1 against openssl, 7z extraction against
# 7zz. Each prints its figures; files are made at run time in a temporary folder.
foreach(name patchapply sha1 extract)
  add_executable(bench_${name} ${CMAKE_CURRENT_LIST_DIR}/bench_${name}.cpp ${CMAKE_CURRENT_LIST_DIR}/patchbench.h)
  target_link_libraries(bench_${name} PRIVATE gd7_patch)
  target_compile_definitions(bench_${name} PRIVATE
    GD7_DEFAULT_TEST_DATA="${PROJECT_SOURCE_DIR}/../shared/testdata")
endforeach()

# The game file checker against sha1sum and openssl over a generated 2 GiB game.
add_executable(bench_checker ${CMAKE_CURRENT_LIST_DIR}/bench_checker.cpp ${CMAKE_CURRENT_LIST_DIR}/patchbench.h)
target_link_libraries(bench_checker PRIVATE gd7_recovery gd7_testsupport)
target_compile_definitions(bench_checker PRIVATE GD7_DEFAULT_TEST_DATA="${PROJECT_SOURCE_DIR}/../shared/testdata")
