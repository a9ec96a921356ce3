# Read by cpack as the project's CPack configuration: every date in the .deb
# (its members, its archives' entries) is the release's.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_PELLUCORS_SOURCE_DATE_EPOCH}")
