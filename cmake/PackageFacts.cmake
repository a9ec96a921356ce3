# pellucors_package_facts(FILE VERSION): the Windows packages' facts of
# VERSION as shell variables, for scripts/windows.sh, windows-msi.sh and the
# MSI test to source. The product code is the version's own, the same at every
# build of it: a name-based UUID of the upgrade code and the version. Every
# date the packages hold is the release's (PELLUCORS_SOURCE_DATE_EPOCH).
function(pellucors_package_facts file version)
    string(UUID product_code NAMESPACE ${PELLUCORS_UPGRADE_CODE} NAME ${version} TYPE SHA1 UPPER)
    file(CONFIGURE OUTPUT ${file} @ONLY CONTENT [[
PELLUCORS_VERSION=@version@
PELLUCORS_VENDOR='@PELLUCORS_VENDOR@'
PELLUCORS_UPGRADE_CODE=@PELLUCORS_UPGRADE_CODE@
PELLUCORS_PRODUCT_CODE=@product_code@
PELLUCORS_PACKAGE=pellucors-@version@-windows-x64
PELLUCORS_SOURCE_DATE_EPOCH=@PELLUCORS_SOURCE_DATE_EPOCH@
]])
endfunction()
