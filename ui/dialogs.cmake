# The settings panel and the tool dialogs it and the main window open.
target_sources(gd7_ui PRIVATE
  checkdialog.cpp checkdialog.h
  checkoutcome.cpp checkoutcome.h
  diagdialog.cpp diagdialog.h
  installdialog.cpp installdialog.h
  installpathcheck.cpp installpathcheck.h
  panel.cpp panel.h
  panelcontent.cpp panelcontent.h
  proxydialog.cpp proxydialog.h
  settingspanel.cpp settingspanel.h
  taskprogressdialog.cpp taskprogressdialog.h
)
target_link_libraries(gd7_ui PUBLIC gd7_recovery gd7_diag gd7_install gd7_update gd7_net gd7_platform)
