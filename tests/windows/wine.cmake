# The Windows test programs run under wine (CMake puts wine-run.sh before each
# test program's command), in a private prefix and on a private X display that
# the wine_prefix fixture starts. The Qt and mingw DLLs are reached through one
# folder of links on WINEPATH, Qt's plugins through QT_PLUGIN_PATH; the
# offscreen platform reads its fonts from one folder, here the Linux machine's
# own faces. Qt Test prints to the console, not to the debugger.
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
include(${PROJECT_SOURCE_DIR}/cmake/MingwRuntime.cmake)

set(wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
set(wine_dlls ${CMAKE_BINARY_DIR}/wine-dlls)
set(wine_fonts ${CMAKE_BINARY_DIR}/wine-fonts)
file(REMOVE_RECURSE ${wine_dlls} ${wine_fonts})
file(MAKE_DIRECTORY ${wine_dlls} ${wine_fonts})

pellucors_mingw_runtime(runtime_dlls)
set(qt_dlls "")
foreach(module Core Gui Widgets PrintSupport Test)
    get_target_property(dll Qt6::${module} IMPORTED_LOCATION_RELEASE)
    list(APPEND qt_dlls ${dll})
endforeach()
foreach(dll ${runtime_dlls} ${qt_dlls})
    get_filename_component(name ${dll} NAME)
    file(CREATE_LINK ${dll} ${wine_dlls}/${name} SYMBOLIC)
endforeach()
get_target_property(core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix ${core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_prefix} DIRECTORY)

file(GLOB faces /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation/*.ttf)
foreach(face ${faces})
    get_filename_component(name ${face} NAME)
    file(CREATE_LINK ${face} ${wine_fonts}/${name} SYMBOLIC)
endforeach()

# Every path as wine sees the Linux file system: on drive Z:.
set(pellucors_test_environment
    WINEPREFIX=${wine_prefix}
    WINEDEBUG=-all
    # No offer to download Mono or Gecko into the new prefix.
    WINEDLLOVERRIDES=mscoree,mshtml=
    WINEPATH=Z:${wine_dlls}
    QT_PLUGIN_PATH=Z:${qt_prefix}/plugins
    QT_QPA_FONTDIR=Z:${wine_fonts}
    QT_FORCE_STDERR_LOGGING=1)

add_test(NAME wine_prefix
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session.sh start ${wine_prefix})
add_test(NAME wine_prefix_stop
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-session.sh stop ${wine_prefix})
set_tests_properties(wine_prefix wine_prefix_stop PROPERTIES
    ENVIRONMENT "${pellucors_test_environment}" TIMEOUT 300)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix)
