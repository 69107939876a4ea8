# gd7_net: background tasks, the HTTP client, the mirror download manager and the proxy setting.
add_library(gd7_net STATIC
  basedownloadtask.cpp basedownloadtask.h
  downloader.cpp downloader.h
  downloadjsonvalidator.cpp downloadjsonvalidator.h
  downloadrandomtask.cpp downloadrandomtask.h
  downloadvalidator.h
  eventwait.cpp eventwait.h
  httpconnection.cpp httpconnection.h
  httpconnectionqt.cpp httpconnectionqt.h
  httptransfer.cpp httptransfer.h
  ihttpprogress.h
  jsondecode.cpp jsondecode.h
  mirrorlist.cpp mirrorlist.h
  partialdownload.cpp partialdownload.h
  proxysettings.cpp proxysettings.h
  ratepacer.cpp ratepacer.h
  speedlimit.cpp speedlimit.h
  task.cpp task.h
  taskmanager.cpp taskmanager.h
  taskwrapper.cpp taskwrapper.h
)
target_link_libraries(gd7_net PUBLIC Qt5::Core Qt5::Network gd7_app PRIVATE Qt5::Gui)
