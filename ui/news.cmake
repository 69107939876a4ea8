# The news tab: feed reader and image loader threads, news cards and their grid.
target_sources(gd7_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/feeditem.cpp ${CMAKE_CURRENT_LIST_DIR}/feeditem.h
  ${CMAKE_CURRENT_LIST_DIR}/feedparser.cpp ${CMAKE_CURRENT_LIST_DIR}/feedparser.h
  ${CMAKE_CURRENT_LIST_DIR}/newsdate.h
  ${CMAKE_CURRENT_LIST_DIR}/newsfeed.cpp ${CMAKE_CURRENT_LIST_DIR}/newsfeed.h
  ${CMAKE_CURRENT_LIST_DIR}/newsfooter.h
  ${CMAKE_CURRENT_LIST_DIR}/newsgrid.cpp ${CMAKE_CURRENT_LIST_DIR}/newsgrid.h
  ${CMAKE_CURRENT_LIST_DIR}/newsheaderlabel.h
  ${CMAKE_CURRENT_LIST_DIR}/newsimage.h
  ${CMAKE_CURRENT_LIST_DIR}/newspicture.cpp ${CMAKE_CURRENT_LIST_DIR}/newspicture.h
  ${CMAKE_CURRENT_LIST_DIR}/newsrecord.h
  ${CMAKE_CURRENT_LIST_DIR}/newstext.h
  ${CMAKE_CURRENT_LIST_DIR}/newstexts.cpp ${CMAKE_CURRENT_LIST_DIR}/newstexts.h
)
