# Patching benchmarks: the patch applier against cp, fileSha1 against openssl, 7z extraction against
# 7zz, each run in turns with its anchor. Each prints its figures; files are made at run time in a temporary folder.
foreach(name patchapply sha1 extract)
  add_executable(bench_${name} ${CMAKE_CURRENT_LIST_DIR}/bench_${name}.cpp)
  target_link_libraries(bench_${name} PRIVATE gd7_patch gd7_benchkit)
endforeach()

# The game file checker against sha1sum and openssl over a generated 2 GiB game.
add_executable(bench_checker ${CMAKE_CURRENT_LIST_DIR}/bench_checker.cpp)
target_link_libraries(bench_checker PRIVATE gd7_recovery gd7_testsupport gd7_benchkit)
