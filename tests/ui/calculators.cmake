# The two calculator windows, driven inside the whole program.
pellucors_add_qtest(tst_ground_station_cal SOURCES tst_ground_station_cal.cpp LIBS pellucors_ui)
pellucors_add_qtest(tst_gps_error_cal SOURCES tst_gps_error_cal.cpp LIBS pellucors_ui)
