# Install rules and the Debian package. The program keeps its build name
# (ZT-VOLTRAIL-V1): the name is its settings section, so a renamed install
# would start with empty settings. Nothing is installed that a user's
# settings could live in: they stay in the user's own config folder.
include(GNUInstallDirs)

# Reverse-DNS id of the desktop entry, the icon and the AppStream metainfo.
set(VOLTRAIL_APP_ID "org.example.zt_voltrail")
# The home page; the metainfo's screenshots are published under it.
set(VOLTRAIL_HOMEPAGE "https://example.org/zt-voltrail")
set(VOLTRAIL_MAINTAINER "ZT-VOLTRAIL developers <voltrail@example.org>")
# The date of this version, as the metainfo and the Debian changelog write it.
set(VOLTRAIL_RELEASE_DATE "2026-12-08")
set(VOLTRAIL_RELEASE_DATE_RFC2822 "Tue, 08 Dec 2026 00:00:00 +0000")
set(VOLTRAIL_PACKAGE_VERSION "${PROJECT_VERSION}" CACHE STRING
  "Version of the installed files and the package")

set(voltrail_linux ${PROJECT_SOURCE_DIR}/packaging/linux)
set(voltrail_generated ${PROJECT_BINARY_DIR}/packaging)
set(VOLTRAIL_SCREENSHOTS_URL "${VOLTRAIL_HOMEPAGE}/screenshots")
set(VOLTRAIL_DEB_NAME "zt-voltrail")

install(TARGETS ZT-VOLTRAIL-V1 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${voltrail_linux}/app.desktop.in
  ${voltrail_generated}/${VOLTRAIL_APP_ID}.desktop @ONLY)
install(FILES ${voltrail_generated}/${VOLTRAIL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/app.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${VOLTRAIL_APP_ID}.svg)

configure_file(${voltrail_linux}/app.metainfo.xml.in
  ${voltrail_generated}/${VOLTRAIL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${voltrail_generated}/${VOLTRAIL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the Debian changelog go in compressed, as Debian wants
# them: best compression, no name or time stamp inside (reproducible).
find_program(VOLTRAIL_GZIP gzip)
if(VOLTRAIL_GZIP)
  foreach(doc IN ITEMS ZT-VOLTRAIL-V1.1 changelog)
    configure_file(${voltrail_linux}/${doc}.in ${voltrail_generated}/${doc} @ONLY)
    add_custom_command(OUTPUT ${voltrail_generated}/${doc}.gz
      COMMAND ${VOLTRAIL_GZIP} -9nf -k ${voltrail_generated}/${doc}
      DEPENDS ${voltrail_generated}/${doc}
      COMMENT "Compressing ${doc}")
    list(APPEND voltrail_compressed ${voltrail_generated}/${doc}.gz)
  endforeach()
  add_custom_target(voltrail_install_docs ALL DEPENDS ${voltrail_compressed})
  add_dependencies(ZT-VOLTRAIL-V1 voltrail_install_docs)
  install(FILES ${voltrail_generated}/ZT-VOLTRAIL-V1.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${voltrail_generated}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VOLTRAIL_DEB_NAME})
endif()
install(FILES ${voltrail_linux}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VOLTRAIL_DEB_NAME})

# ---------------------------------------------------------------- the package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VOLTRAIL_DEB_NAME})
set(CPACK_PACKAGE_VERSION ${VOLTRAIL_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR "ZT-VOLTRAIL developers")
set(CPACK_PACKAGE_CONTACT "${VOLTRAIL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "always-on-top toolbar for power actions")
set(CPACK_PACKAGE_DESCRIPTION
  "A narrow always-on-top bar of six picture buttons: shut down, restart,
hibernate or log off after a confirmation, a countdown that acts at zero,
and shutting down, restarting or aborting the shutdown of other computers
on the network, one at a time or thirty at once. Remote actions use
Samba's net command.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${VOLTRAIL_DEB_NAME})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VOLTRAIL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VOLTRAIL_HOMEPAGE}")
# Library dependencies come from what the program links; the platform plugin
# Qt loads at run time is not linked, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "samba-common-bin, fonts-liberation2")
# Only for a Wayland session with no X server, where the bar runs natively.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SET_DESTDIR OFF)
if(NOT CPACK_PACKAGING_INSTALL_PREFIX)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()
include(CPack)
