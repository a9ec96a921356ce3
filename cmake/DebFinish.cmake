# Run by cpack once it has written the .deb (CPACK_POST_BUILD_SCRIPTS). CPack
# gives the package's three members the modes its umask gives new files; ar,
# in its deterministic mode, writes them again with 0644, owner 0 and no
# date, so that one commit makes one package under any umask. SHA256SUMS
# beside the package is for those who install it.
set(sums "")
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(members ${CPACK_TOPLEVEL_DIRECTORY}/deb-members)
    file(REMOVE_RECURSE ${members})
    file(MAKE_DIRECTORY ${members})
    # In their order, which dpkg requires: debian-binary, control, data.
    execute_process(COMMAND ar t ${deb} OUTPUT_VARIABLE names OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" names "${names}")
    execute_process(COMMAND ar x ${deb} WORKING_DIRECTORY ${members} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${deb})
    execute_process(COMMAND ar qcD ${deb} ${names} WORKING_DIRECTORY ${members}
        COMMAND_ERROR_IS_FATAL ANY)
    file(SHA256 ${deb} sum)
    get_filename_component(name ${deb} NAME)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
# Where cpack puts the packages once this script has run.
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
