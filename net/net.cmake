# gd7_net: background tasks, the HTTP client, the mirror download manager and the proxy setting.
add_library(gd7_net STATIC
  eventwait.cpp eventwait.h
  task.cpp task.h
  taskmanager.cpp taskmanager.h
  taskwrapper.cpp taskwrapper.h
)
target_link_libraries(gd7_net PUBLIC Qt5::Core Qt5::Network gd7_app)
