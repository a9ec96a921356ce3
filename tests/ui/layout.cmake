# Captions that fit, child windows that do not overlap, high-DPI scaling and
# accessible names, at scale 1 and 2.
pellucors_add_qtest(tst_window_layout SOURCES tst_window_layout.cpp LIBS pellucors_ui)
add_test(NAME tst_window_layout_scale2 COMMAND tst_window_layout)
pellucors_test_properties(tst_window_layout_scale2 QT_SCALE_FACTOR=2)
# The GPS Data list's frame at the scales that round its edges to part pixels.
foreach(scale 1.25 1.75)
    add_test(NAME tst_window_layout_list_${scale}
        COMMAND tst_window_layout gpsDataListShowsWholeRowsAndTheNewest)
    pellucors_test_properties(tst_window_layout_list_${scale} QT_SCALE_FACTOR=${scale})
endforeach()
if(WIN32)
    # The GPS Data list on Windows' own platform and font engine, at 100, 125 and 150%.
    foreach(scale 1 1.25 1.5)
        add_test(NAME tst_window_layout_windows_${scale}
            COMMAND tst_window_layout gpsDataListShowsWholeRowsAndTheNewest)
        pellucors_test_properties(tst_window_layout_windows_${scale}
            QT_QPA_PLATFORM=windows QT_SCALE_FACTOR=${scale})
    endforeach()
endif()
