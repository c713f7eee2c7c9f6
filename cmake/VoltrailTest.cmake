# One place that registers every test with the environment it runs in:
# no display (offscreen platform), a private config directory, and nothing
# from the user's own settings.
set(VOLTRAIL_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)

# Built for Windows, Qt is static: the window tests link the offscreen
# platform in, and its FreeType font database reads the fonts from a folder
# (the Liberation fonts, with Arial's metrics, as Wine's Z: drive shows them).
# Wine keeps QT_* variables for itself and hands WINEQT_* to the program as
# QT_*; with no console window Qt would log to the debugger, not to stderr.
set(VOLTRAIL_TEST_FONT_DIR "Z:/usr/share/fonts/truetype/liberation2" CACHE STRING
  "Fonts of the window tests built for Windows, as the test programs see the folder")

# voltrail_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>] [ENV <VAR=value...>] [LABELS <labels...>])
function(voltrail_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  voltrail_warnings(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(platform_env)
  if(WIN32 AND NOT VOLTRAIL_CORE_ONLY)
    qt_import_plugins(${T_NAME} INCLUDE_BY_TYPE platforms Qt6::QOffscreenIntegrationPlugin)
    set(platform_env "QT_QPA_FONTDIR=${VOLTRAIL_TEST_FONT_DIR};WINEQT_QPA_PLATFORM=offscreen;WINEQT_QPA_FONTDIR=${VOLTRAIL_TEST_FONT_DIR};WINEQT_FORCE_STDERR_LOGGING=1;")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${platform_env}XDG_CONFIG_HOME=${VOLTRAIL_TEST_HOME}/${T_NAME}/config;HOME=${VOLTRAIL_TEST_HOME}/${T_NAME};${T_ENV}"
    LABELS "${T_LABELS}"
    TIMEOUT 300)
endfunction()
