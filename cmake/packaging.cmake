# SPDX-FileCopyrightText: 2026 The Vellumo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: the program keeps its engines beside its executable, so it goes into one folder
# of its own (<prefix>/lib/vellumo), with a menu entry and icons in the prefix's usual places.
include(GNUInstallDirs)
# Plain "lib", not the multiarch library folder: the folder holds a program, not libraries.
set(VELLUMO_INSTALL_DIR lib/vellumo)
install(TARGETS vellumo RUNTIME DESTINATION ${VELLUMO_INSTALL_DIR})
install(FILES ${VELLUMO_QM_FILES} DESTINATION ${VELLUMO_INSTALL_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/img/unknown.png
    DESTINATION ${VELLUMO_INSTALL_DIR}/img)
# The shipped engines. Into a live folder (no DESTDIR) they go on the first install only: a
# per-user or portable install keeps its engines there, and a reinstall keeps the user's. A
# staged install (a package: DESTDIR set) gets them as plain files; a program installed where
# the user cannot write copies them into the user's data folder at its first start.
install(CODE "
    set(engines \"\${CMAKE_INSTALL_PREFIX}/${VELLUMO_INSTALL_DIR}/files\")
    if(NOT \"\$ENV{DESTDIR}\" STREQUAL \"\" OR NOT EXISTS \"\${engines}\")
        file(INSTALL DESTINATION \"\${engines}\" TYPE DIRECTORY
            FILES \"${PROJECT_SOURCE_DIR}/files/\"
            FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
            DIR_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                WORLD_READ WORLD_EXECUTE)
    else()
        message(STATUS \"Keeping the engines in \${engines}\")
    endif()")
# The menu entry names the installed executable, whatever the prefix.
install(CODE "
    set(VELLUMO_EXECUTABLE \"\${CMAKE_INSTALL_PREFIX}/${VELLUMO_INSTALL_DIR}/vellumo\")
    configure_file(\"${PROJECT_SOURCE_DIR}/resources/desktop/vellumo.desktop.in\"
        \"${PROJECT_BINARY_DIR}/vellumo.desktop\" @ONLY)")
install(FILES ${PROJECT_BINARY_DIR}/vellumo.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vellumo-16.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps RENAME vellumo.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vellumo-32.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME vellumo.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vellumo.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The program on the PATH, the software centres' metadata, and the Debian package
# ("make deb": CPack's DEB generator). Helpers such as vellumo-check live beside the program.
set(VELLUMO_PROGRAMS vellumo)
if(TARGET vellumo-check)
    install(TARGETS vellumo-check RUNTIME DESTINATION ${VELLUMO_INSTALL_DIR})
    list(APPEND VELLUMO_PROGRAMS vellumo-check)
endif()
foreach(program IN LISTS VELLUMO_PROGRAMS)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(CREATE_LINK \"../${VELLUMO_INSTALL_DIR}/${program}\" \"\${link}\" SYMBOLIC)
        message(STATUS \"Installing: \${link}\")
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")")
endforeach()
set(VELLUMO_APPSTREAM_ID org.example.vellumo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vellumo.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME ${VELLUMO_APPSTREAM_ID}.metainfo.xml)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vellumo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumo)
# The package's release; the program's own version string is App::versionString.
set(CPACK_PACKAGE_VERSION 0.2)
set(CPACK_PACKAGE_VENDOR "The Vellumo developers")
set(CPACK_PACKAGE_CONTACT "The Vellumo developers <vellumo@vellumo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the short text ads of search engines")
set(CPACK_PACKAGE_DESCRIPTION
    "Vellumo writes short text ads for search engines: a counter beside the title, the text and the URL compares each with the engine's limit, and a preview shows the ad from the engine's HTML template. Profiles for Google Ads, Microsoft Advertising and Yandex Direct ship with it; more are made in its engine dialog.")
# Installed below /usr with a staging DESTDIR, so that paths written at install time (the menu
# entry's Exec line) name the final place.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vellumo.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, out of the shared libraries' sight. QuaZip unzips
# imported XLSX workbooks; it is named too, as a program that links none of its code yet would
# leave it out.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libquazip1-qt6-1")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
