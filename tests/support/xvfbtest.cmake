# A Qt Test program that needs real windows: CTest runs it on its own X server
# (run-under-xvfb), with the same environment as the headless tests but the xcb platform.
# ACCESSIBILITY runs it on a session bus of its own (dbus-run-session), where the AT-SPI bus and
# registry start on demand, with the toolkit's accessibility bridge always on.
#   gd7_add_window_test(name SOURCES ... LIBS ... [TIMEOUT s] [SCREEN WxHxD] [ACCESSIBILITY])
function(gd7_add_window_test name)
  cmake_parse_arguments(ARG "ACCESSIBILITY" "TIMEOUT;SCREEN" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  if(NOT ARG_SCREEN)
    set(ARG_SCREEN 1600x1000x24)
  endif()
  set(environment "QT_QPA_PLATFORM=xcb;GD7_TEST_DATA=${GD7_TEST_DATA_DIR}")
  set(wrapper)
  if(ARG_ACCESSIBILITY)
    set(wrapper dbus-run-session --)
    list(APPEND environment "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")
  endif()
  add_test(NAME ${name}
    COMMAND ${PROJECT_SOURCE_DIR}/tests/support/run-under-xvfb --screen ${ARG_SCREEN} ${wrapper} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "${environment}")
endfunction()
