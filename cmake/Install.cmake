# The installed layout, for `cmake --install` and the Debian package:
#   lib/quenra/quenra, lib/quenra/Img2PDF  the program and its converter, side by side: the
#                                          program starts the converter from its own folder
#   lib/quenra/quenra.installed            tells the program it is installed: recovery copies
#                                          and PDF scratch files go to the per-user folder
#   bin/quenra -> ../lib/quenra/quenra     on PATH; the program resolves its own folder through
#                                          the link (/proc/self/exe), so it finds the converter
#   share/applications, share/mime/packages, share/icons/hicolor, share/man/man1,
#   share/doc/quenra                       desktop entry, project file type, icon, man page,
#                                          manual
include(GNUInstallDirs)

set(QUENRA_PROGRAM_DIR lib/quenra)
install(TARGETS quenra Img2PDF RUNTIME DESTINATION ${QUENRA_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/quenra.installed DESTINATION ${QUENRA_PROGRAM_DIR})

# A relative link made in the build folder and installed as a link: right under any prefix.
set(link_folder ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_folder})
file(CREATE_LINK ../${QUENRA_PROGRAM_DIR}/quenra ${link_folder}/quenra SYMBOLIC)
install(FILES ${link_folder}/quenra DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/data/quenra.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/quenra-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quenra.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/quenra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${QUENRA_ICON_FOLDER}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/doc/quenra.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/doc/manual.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quenra)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/images DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quenra)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quenra/examples)

# The Debian package (scripts/package.sh): the shared libraries' packages (Qt 6, QPDF, libjpeg)
# come from dpkg-shlibdeps; the report's Arial metrics need the Liberation fonts.
set(CPACK_PACKAGE_NAME quenra)
set(CPACK_PACKAGE_VENDOR "Quenra")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fire hydrant flow tests and fire pump tests: graph, report and PDF")
set(CPACK_PACKAGE_DESCRIPTION
    "Quenra computes the supply, pump, combined and NFPA curves of fire hydrant flow tests and \
fire pump tests, draws the pressure-flow graph and the multi-page report on screen, on paper, \
as JPEG files and as PDF, and runs the same work from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quenra developers <developers@quenra.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
