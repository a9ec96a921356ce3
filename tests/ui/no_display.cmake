# The real program where there is no display to open: one line and status 1.
add_test(NAME no_display COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/no_display.sh
    $<TARGET_FILE:pellucors>)
set_tests_properties(no_display PROPERTIES TIMEOUT 120)
