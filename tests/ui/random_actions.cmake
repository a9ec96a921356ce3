# Thousands of seeded random user actions on the whole program, with the
# window, menu and log invariants checked after each one. PELLUCORS_SEED
# replays a run; PELLUCORS_ACTIONS changes its length.
pellucors_add_qtest(tst_random_actions SOURCES tst_random_actions.cpp LIBS pellucors_ui)
