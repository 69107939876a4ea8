# The news tab: feed parsing and card texts, cards and read state, the two threads against nginx.
add_library(gd7_newstestkit STATIC
  ${CMAKE_CURRENT_LIST_DIR}/newstestkit.cpp ${CMAKE_CURRENT_LIST_DIR}/newstestkit.h)
target_link_libraries(gd7_newstestkit PUBLIC gd7_ui Qt5::Widgets)

gd7_add_test(tst_feedparser SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_feedparser.cpp LIBS gd7_ui gd7_resources)
target_compile_definitions(tst_feedparser PRIVATE TEST_FEEDS="${CMAKE_CURRENT_LIST_DIR}/data/feeds")
gd7_add_test(tst_feeditem SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_feeditem.cpp
  LIBS gd7_newstestkit gd7_resources)
gd7_add_test(tst_newsfeed SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_newsfeed.cpp
  LIBS gd7_newstestkit gd7_testsupport gd7_resources)
target_compile_definitions(tst_newsfeed PRIVATE TEST_FEEDS="${CMAKE_CURRENT_LIST_DIR}/data/feeds")
