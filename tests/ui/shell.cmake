# The main window with its menus, start-up and shut-down; the splash and
# About windows.
pellucors_add_qtest(tst_main_window SOURCES tst_main_window.cpp LIBS pellucors_ui)
pellucors_add_qtest(tst_splash_about SOURCES tst_splash_about.cpp LIBS pellucors_ui)
