# Installation and the Debian package: the program, its menu entry, AppStream
# metainfo, icon, man page and licence texts, all in the component "skyvale"
# so that nothing else of the build (static libraries, tests) is shipped.
#
#   cmake --install build --prefix ~/.local
#   cd build && cpack -G DEB          # skyvale_<version>_<arch>.deb

include(GNUInstallDirs)

# One version for --version, the application object and the package.
target_compile_definitions(skyvale PRIVATE SKYVALE_VERSION="${PROJECT_VERSION}")

set(SKYVALE_APP_ID org.skyvale.Skyvale)
set(SKYVALE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/skyvale)

install(TARGETS skyvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT skyvale)
install(FILES dist/${SKYVALE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT skyvale)
install(FILES dist/${SKYVALE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT skyvale)
# The window icon of the resource bundle, under the application id.
install(FILES res/icons/skyvale.svg RENAME ${SKYVALE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT skyvale)
install(FILES dist/skyvale.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT skyvale)
install(FILES LICENSE res/CREDITS res/fonts/OFL.txt dist/copyright
        DESTINATION ${SKYVALE_DOCDIR} COMPONENT skyvale)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skyvale)
set(CPACK_PACKAGE_VENDOR "The Skyvale developers")
set(CPACK_PACKAGE_CONTACT "The Skyvale developers <maintainers@skyvale.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer of the Earth and the other bodies of the solar system")
# Debian wants the long description in lines of fewer than 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Skyvale shows a textured, lit globe of the Earth, the Moon, the planets or\n"
  "Pluto. Drag to turn the camera, the planet or the light, zoom with the\n"
  "wheel, fly an orbit, and hover to read the latitude and longitude or the\n"
  "name and population of one of 119 capital cities drawn as cylinders.\n"
  "Views are saved and restored, in as many windows as wanted.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the program's component, whatever else may gain install rules later.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Skyvale;skyvale;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://skyvale.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as Qt plugins at run time, so shlibdeps cannot see them: the SVG icon
# engine for every icon, and a GL driver for the planet view.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")

include(CPack)
