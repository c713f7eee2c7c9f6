# One place that registers every test with the environment it runs in:
# no display (offscreen platform), a private config directory, and nothing
# from the user's own settings.
set(VOLTRAIL_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)

# voltrail_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>] [ENV <VAR=value...>] [LABELS <labels...>])
function(voltrail_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  voltrail_warnings(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${VOLTRAIL_TEST_HOME}/${T_NAME}/config;HOME=${VOLTRAIL_TEST_HOME}/${T_NAME};${T_ENV}"
    LABELS "${T_LABELS}"
    TIMEOUT 300)
endfunction()
