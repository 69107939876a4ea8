# The main window's decision tables, headless.
gd7_add_test(tst_launchertables SOURCES tst_launchertables.cpp LIBS gd7_ui gd7_resources)
