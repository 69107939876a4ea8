# The main window's decision tables, headless.
gd7_add_test(tst_launchertables SOURCES tst_launchertables.cpp LIBS gd7_ui gd7_resources)

# Releases served by nginx and published by gd7-publish, shared by the window and process tests.
add_library(gd7_launchertestkit STATIC launcherkit.cpp launcherkit.h
  ${PROJECT_SOURCE_DIR}/tests/install/testhome.cpp ${PROJECT_SOURCE_DIR}/tests/install/testhome.h)
target_link_libraries(gd7_launchertestkit PUBLIC gd7_updatetestkit gd7_app)

# The main window in-process on its own X server.
gd7_add_window_test(tst_launcherwindow SOURCES tst_launcherwindow.cpp
  LIBS gd7_ui gd7_launchertestkit gd7_uitestsupport gd7_resources TIMEOUT 300)
add_dependencies(tst_launcherwindow ui_test_eula)
target_compile_definitions(tst_launcherwindow PRIVATE EULA_RCC="${CMAKE_CURRENT_BINARY_DIR}/testeula.rcc")

# The real executable as a player runs it, driven through its windows by xdotool.
add_executable(game_probe game_probe.cpp)
target_link_libraries(game_probe PRIVATE Qt5::Core)
gd7_add_window_test(tst_launcherprocess SOURCES tst_launcherprocess.cpp xdriver.cpp xdriver.h
  LIBS gd7_launchertestkit TIMEOUT 400)
add_dependencies(tst_launcherprocess GD7Launcher game_probe)
target_compile_definitions(tst_launcherprocess PRIVATE
  GD7_LAUNCHER="$<TARGET_FILE:GD7Launcher>" GAME_PROBE="$<TARGET_FILE:game_probe>")

# Not a test: renders the main window in its states into PNG files (scripts/screenshots).
add_executable(launcher_screenshots launcherscreenshots.cpp)
target_link_libraries(launcher_screenshots PRIVATE gd7_ui gd7_launchertestkit gd7_resources Qt5::Test)

# The per-screen factor and the logo on a large screen.
gd7_add_window_test(tst_launcherscreens SOURCES tst_launcherscreens.cpp
  LIBS gd7_ui gd7_testsupport gd7_resources SCREEN 3840x2160x24 TIMEOUT 120)

# The accessibility tree of every window and dialog, read over AT-SPI by a client process.
gd7_add_window_test(tst_accessibletree SOURCES tst_accessibletree.cpp
  LIBS gd7_ui gd7_launchertestkit gd7_resources TIMEOUT 300 ACCESSIBILITY)
target_compile_definitions(tst_accessibletree PRIVATE ATSPI_TREE="${CMAKE_CURRENT_SOURCE_DIR}/atspi_tree.py")
