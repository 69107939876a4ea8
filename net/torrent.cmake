# The BitTorrent side of the transfer subsystem: the session wrapper, its alert pump and waiter, the
# recovery's session and the session state file. libtorrent stays inside these .cpp files (and
# torrentsession_p.h, for the torrent code and its tests only).
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBTORRENT REQUIRED IMPORTED_TARGET GLOBAL libtorrent-rasterbar)

add_library(gd7_torrent STATIC
  ${CMAKE_CURRENT_LIST_DIR}/alertwaiter.cpp ${CMAKE_CURRENT_LIST_DIR}/alertwaiter.h
  ${CMAKE_CURRENT_LIST_DIR}/threadeddiskio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/torrentalerts.cpp ${CMAKE_CURRENT_LIST_DIR}/torrentalerts.h
  ${CMAKE_CURRENT_LIST_DIR}/torrents.cpp ${CMAKE_CURRENT_LIST_DIR}/torrents.h
  ${CMAKE_CURRENT_LIST_DIR}/torrentsession.cpp ${CMAKE_CURRENT_LIST_DIR}/torrentsession.h
  ${CMAKE_CURRENT_LIST_DIR}/torrentsession_p.h
  ${CMAKE_CURRENT_LIST_DIR}/torrentsessionstate.cpp ${CMAKE_CURRENT_LIST_DIR}/torrentsessionstate.h
)
target_link_libraries(gd7_torrent PUBLIC Qt5::Core Qt5::Network gd7_app PRIVATE gd7_net PkgConfig::LIBTORRENT)
# Debian's libtorrent keeps its deprecated API inside: the code must not lean on it.
target_compile_options(gd7_torrent PRIVATE -Werror=deprecated-declarations)
