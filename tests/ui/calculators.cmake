# (tests added here)
