# What makes the program a Windows program of its own: one stripped file with
# Qt's static plugins linked in, its icon, its version record and its manifest.
#
# voltrail_windows_program(<target>)
function(voltrail_windows_program target)
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  # Beside the program, where the installer takes it from.
  set(VOLTRAIL_ICO ${out}/${target}.ico)
  voltrail_windows_icon(${VOLTRAIL_ICO} SIZES 16 20 24 32 40 48 64 256)
  set(VOLTRAIL_MANIFEST ${out}/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/ZT-VOLTRAIL-V1.manifest ${VOLTRAIL_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/ZT-VOLTRAIL-V1.rc.in ${out}/${target}.rc @ONLY)
  set_source_files_properties(${out}/${target}.rc PROPERTIES OBJECT_DEPENDS "${VOLTRAIL_ICO};${VOLTRAIL_MANIFEST}")
  target_sources(${target} PRIVATE ${out}/${target}.rc)

  voltrail_windows_qt_linkage(${target})
endfunction()

# The window system and the native look linked in, nothing loaded from disk,
# and the Release file stripped: also what the start-up bench's bare window
# gets, so that the two compare.
#
# voltrail_windows_qt_linkage(<target>)
function(voltrail_windows_qt_linkage target)
  qt_import_plugins(${target}
    INCLUDE_BY_TYPE platforms Qt6::QWindowsIntegrationPlugin
    INCLUDE_BY_TYPE styles Qt6::QWindowsVistaStylePlugin
    EXCLUDE_BY_TYPE imageformats)
  target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endfunction()
