# What makes the program a Windows program of its own: one stripped file with
# Qt's static plugins linked in, its icon and its version record.
#
# voltrail_windows_program(<target>)
function(voltrail_windows_program target)
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  # Beside the program, where the installer takes it from.
  set(VOLTRAIL_ICO ${out}/${target}.ico)
  voltrail_windows_icon(${VOLTRAIL_ICO} SIZES 16 20 24 32 40 48 64 256)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/ZT-VOLTRAIL-V1.rc.in ${out}/${target}.rc @ONLY)
  set_source_files_properties(${out}/${target}.rc PROPERTIES OBJECT_DEPENDS ${VOLTRAIL_ICO})
  target_sources(${target} PRIVATE ${out}/${target}.rc)

  # The window system and the native look; nothing is loaded from disk.
  qt_import_plugins(${target}
    INCLUDE_BY_TYPE platforms Qt6::QWindowsIntegrationPlugin
    INCLUDE_BY_TYPE styles Qt6::QWindowsVistaStylePlugin
    EXCLUDE_BY_TYPE imageformats)
  target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endfunction()
