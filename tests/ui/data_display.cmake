# The GPS Data window, and printing from it and from File > Print.
pellucors_add_qtest(tst_data_display SOURCES tst_data_display.cpp LIBS pellucors_ui)
