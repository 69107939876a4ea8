# The settings panel and the tool dialogs, against real servers, proxies, torrents and a private bus.
add_library(gd7_dialogtestsupport STATIC modalanswerer.cpp modalanswerer.h playerrun.cpp playerrun.h
  urlrecorder.h)
target_link_libraries(gd7_dialogtestsupport PUBLIC gd7_ui)

# A Spanish bundle of the panel's texts beside the real English one, and the small German one of
# the tests, a language in the bundle that players cannot choose.
set(panel_ts ${CMAKE_CURRENT_SOURCE_DIR}/languages/es.ts ${PROJECT_SOURCE_DIR}/resources/translations/en.ts)
set_source_files_properties(${panel_ts} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/panelqm)
qt5_add_translation(panel_qm ${panel_ts})
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/panellanguages.qrc CONTENT
  "<RCC><qresource prefix=\"/Language\"><file alias=\"es/translation\">${CMAKE_CURRENT_BINARY_DIR}/panelqm/es.qm</file><file alias=\"en/translation\">${CMAKE_CURRENT_BINARY_DIR}/panelqm/en.qm</file><file alias=\"de/translation\">${CMAKE_CURRENT_BINARY_DIR}/testqm/de.qm</file></qresource></RCC>\n")
qt5_add_resources(panel_language_rcc ${CMAKE_CURRENT_BINARY_DIR}/panellanguages.qrc)

gd7_add_window_test(tst_settingspanel SOURCES tst_settingspanel.cpp ${panel_language_rcc} ${panel_qm} ${ui_test_qm}
  LIBS gd7_dialogtestsupport gd7_testsupport)
gd7_add_test(tst_proxydialog SOURCES tst_proxydialog.cpp LIBS gd7_dialogtestsupport gd7_testsupport gd7_resources)
gd7_add_test(tst_checkdialog SOURCES tst_checkdialog.cpp
  LIBS gd7_dialogtestsupport gd7_recoveryfixture gd7_torrenttestkit gd7_resources TIMEOUT 240)

# A file manager stand-in on the session bus that records what it is asked to show.
find_package(Qt5 5.15 REQUIRED COMPONENTS DBus)
add_executable(filemanager_probe filemanager_probe.cpp)
target_link_libraries(filemanager_probe PRIVATE Qt5::DBus)
gd7_add_test(tst_diagdialog SOURCES tst_diagdialog.cpp
  LIBS gd7_dialogtestsupport gd7_testsupport gd7_resources TIMEOUT 300)
target_compile_definitions(tst_diagdialog PRIVATE FILEMANAGER_PROBE="$<TARGET_FILE:filemanager_probe>")
add_dependencies(tst_diagdialog filemanager_probe)

gd7_add_test(tst_installdialog SOURCES tst_installdialog.cpp ../install/testhome.cpp ../install/testhome.h
  LIBS gd7_dialogtestsupport gd7_uitestsupport gd7_testsupport gd7_resources TIMEOUT 300)
target_compile_definitions(tst_installdialog PRIVATE LAUNCHER_PROBE="$<TARGET_FILE:launcher_probe>")
add_dependencies(tst_installdialog launcher_probe)

# Not a test: renders the settings panel and the dialogs with the shipped look into PNG files.
add_executable(ui_dialog_screenshots dialogscreenshots.cpp)
target_link_libraries(ui_dialog_screenshots PRIVATE gd7_ui gd7_testsupport gd7_resources)

gd7_add_window_test(tst_launcherdialogs SOURCES tst_launcherdialogs.cpp ${panel_language_rcc} ${panel_qm}
  LIBS gd7_dialogtestsupport gd7_uitestsupport gd7_testsupport TIMEOUT 120)
add_dependencies(tst_launcherdialogs ui_test_eula)
target_compile_definitions(tst_launcherdialogs PRIVATE EULA_RCC="${CMAKE_CURRENT_BINARY_DIR}/testeula.rcc")
