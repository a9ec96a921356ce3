# The Windows program folder, as `cmake --install` writes it and as the
# installer and the zip hold it: pellucors.exe, the Qt DLLs it links, the Qt
# plugins it loads and the mingw runtime, and nothing else. Windows looks for
# DLLs beside the program first, and Qt for plugin folders there.
include(${CMAKE_CURRENT_LIST_DIR}/MingwRuntime.cmake)
pellucors_mingw_runtime(runtime_dlls)
install(FILES ${runtime_dlls} DESTINATION .)
foreach(module Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
# The Windows desktop itself; its native look; JPEG, for the splash logo.
# Printing needs no plugin: Qt's Windows print support is in Qt6PrintSupport.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)
