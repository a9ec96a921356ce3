# Captions that fit, child windows that do not overlap, high-DPI scaling and
# accessible names, at scale 1 and 2.
pellucors_add_qtest(tst_window_layout SOURCES tst_window_layout.cpp LIBS pellucors_ui)
add_test(NAME tst_window_layout_scale2 COMMAND tst_window_layout)
pellucors_test_properties(tst_window_layout_scale2 QT_SCALE_FACTOR=2)
