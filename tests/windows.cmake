# The Qt Test programs of the Windows build, run under wine: CTest starts each through the
# toolchain's emulator (scripts/wine-run). These are the engine's and the platform's tests that
# stand on their own; the ones built around Linux programs (nginx, 7zz, D-Bus, Xvfb) stay in the
# Linux build, and scripts/test-windows drives the Windows programs against those from outside.

add_library(gd7_testsupport STATIC support/logcapture.cpp support/logcapture.h support/testfiles.cpp
  support/testfiles.h support/testhttpserver.cpp support/testhttpserver.h)
target_link_libraries(gd7_testsupport PUBLIC Qt5::Core Qt5::Network gd7_app)
gd7_add_test(tst_testhttpserver SOURCES support/tst_testhttpserver.cpp LIBS gd7_testsupport)

foreach(test tst_logger tst_paths tst_settings tst_versionandactions)
  gd7_add_test(${test} SOURCES app/${test}.cpp LIBS gd7_app)
endforeach()
add_executable(singleapp_probe app/singleapp_probe.cpp)
target_link_libraries(singleapp_probe PRIVATE gd7_app)
gd7_add_test(tst_singleapp SOURCES app/tst_singleapp.cpp LIBS Qt5::Core)
target_compile_definitions(tst_singleapp PRIVATE SINGLEAPP_PROBE="$<TARGET_FILE:singleapp_probe>")
add_dependencies(tst_singleapp singleapp_probe)

add_executable(platform_probe platform/platform_probe.cpp)
target_link_libraries(platform_probe PRIVATE gd7_platform)
foreach(test tst_processes tst_windowsintegration)
  gd7_add_test(${test} SOURCES platform/${test}.cpp platform/probehelpers.h platform/shellreader_win.h
    LIBS gd7_platform)
  target_compile_definitions(${test} PRIVATE PLATFORM_PROBE="$<TARGET_FILE:platform_probe>")
  add_dependencies(${test} platform_probe)
endforeach()
# The folder a player runs, made by scripts/build-windows after the build.
target_compile_definitions(tst_windowsintegration PRIVATE WINDOWS_DEPLOY_FOLDER="${CMAKE_BINARY_DIR}/GD7Launcher")

foreach(test tst_jdiff tst_jdiffencoder)
  gd7_add_test(${test} SOURCES patch/${test}.cpp LIBS gd7_patch)
endforeach()
# Unicode item names from an archive that the host's 7-Zip makes at build time.
set(names_archive ${CMAKE_CURRENT_BINARY_DIR}/names.7z)
add_custom_command(OUTPUT ${names_archive}
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/patch/make-names-archive ${names_archive}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/patch/make-names-archive)
gd7_add_test(tst_windowsarchives SOURCES patch/tst_windowsarchives.cpp ${names_archive} LIBS gd7_patch)
target_compile_definitions(tst_windowsarchives PRIVATE NAMES_ARCHIVE="${names_archive}")

gd7_add_test(tst_formatting SOURCES update/tst_formatting.cpp LIBS gd7_update gd7_resources)
gd7_add_test(tst_updatemanifest SOURCES update/tst_updatemanifest.cpp LIBS gd7_update gd7_testsupport gd7_resources)

# The installer against the shell: links, the uninstall entry, the removal of both.
gd7_add_test(tst_windowsinstall SOURCES install/tst_windowsinstall.cpp platform/shellreader_win.h
  LIBS gd7_install gd7_resources TIMEOUT 180)
# The hand-overs between real processes (self-update copier, uninstall's temporary copy) are
# tested on the real GD7Launcher.exe and its DLLs by scripts/test-windows.

# A headless launcher running one update check, for scripts/test-windows: it updates a game from
# releases that gd7-publish made and nginx serves on the Linux side.
add_executable(update_probe update/update_probe.cpp update/updatedriver.cpp update/updatedriver.h)
target_link_libraries(update_probe PRIVATE gd7_update gd7_testsupport gd7_resources Qt5::Test)
