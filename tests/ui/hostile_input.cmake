# Hostile texts typed into every box of both calculators, each with the
# message the user must get.
pellucors_add_qtest(tst_hostile_input SOURCES tst_hostile_input.cpp LIBS pellucors_ui)
