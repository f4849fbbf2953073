# The installed layout and the Debian package (cpack -G DEB in the build folder).
#
# The programs find the element library, the help pages and the example data
# beside their own executable (the program folder, found through
# /proc/self/exe), so all of them are installed into one folder below the
# prefix, and bin/ holds relative symbolic links to the executables:
#
#   bin/selvaro-cli -> ../lib/selvaro/selvaro-cli   (bin/selvaro likewise)
#   lib/selvaro/    selvaro-cli, selvaro, SLV.lib, help/, examples/
#   share/          applications/, icons/hicolor/, mime/packages/, metainfo/
#
# The desktop program is installed when its target exists; the desktop entry
# names it with TryExec, so menus hide the entry of a package built without it.
include(GNUInstallDirs)

set(SLV_INSTALL_PROGRAM_DIR "lib/selvaro" CACHE STRING
    "Program folder below the install prefix: executables, SLV.lib, help and examples")
set(SLV_PACKAGE_MAINTAINER "XPS Selvaro developers <selvaro@localhost>" CACHE STRING
    "Maintainer field of the Debian package")
# The desktop, icon, MIME and metainfo files are named after this identifier.
set(SLV_APP_ID org.selvaro.Selvaro)
set(SLV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# Programs, element library, help and examples: the program folder.
set(SLV_PROGRAMS selvaro-cli)
if(TARGET selvaro)
  list(APPEND SLV_PROGRAMS selvaro)
endif()
install(TARGETS ${SLV_PROGRAMS} RUNTIME DESTINATION ${SLV_INSTALL_PROGRAM_DIR})
install(FILES $<TARGET_FILE_DIR:selvaro-cli>/SLV.lib DESTINATION ${SLV_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${SLV_INSTALL_PROGRAM_DIR}/help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${SLV_INSTALL_PROGRAM_DIR}/examples
        FILES_MATCHING PATTERN "*.lvd" PATTERN "*.lvt" PATTERN "*.lvx" PATTERN "tools" EXCLUDE)

# The commands on the search path link to the executables, so that the
# program folder each one finds through /proc/self/exe is the one above.
file(RELATIVE_PATH SLV_BIN_TO_PROGRAM_DIR /${CMAKE_INSTALL_BINDIR} /${SLV_INSTALL_PROGRAM_DIR})
foreach(program IN LISTS SLV_PROGRAMS)
  install(CODE "
    set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    message(STATUS \"Installing: \${bin_dir}/${program} -> ${SLV_BIN_TO_PROGRAM_DIR}/${program}\")
    file(MAKE_DIRECTORY \"\${bin_dir}\")
    file(REMOVE \"\${bin_dir}/${program}\")
    file(CREATE_LINK \"${SLV_BIN_TO_PROGRAM_DIR}/${program}\" \"\${bin_dir}/${program}\" SYMBOLIC)
  ")
endforeach()

# Desktop entry, MIME types of the data, template and exchange files, AppStream metainfo.
install(FILES ${SLV_PACKAGING_DIR}/${SLV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SLV_PACKAGING_DIR}/${SLV_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${SLV_APP_ID}.xml)
install(FILES ${SLV_PACKAGING_DIR}/${SLV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the drawing itself, and bitmaps rendered from it for desktops
# that do not scale SVG icons.
set(SLV_ICON_SVG ${SLV_PACKAGING_DIR}/${SLV_APP_ID}.svg)
install(FILES ${SLV_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(SLV_RSVG_CONVERT rsvg-convert)
if(SLV_RSVG_CONVERT)
  set(SLV_ICON_PNGS)
  foreach(size 16 24 32 48 64 128 256)
    set(png_dir ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(OUTPUT ${png_dir}/${SLV_APP_ID}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${png_dir}
      COMMAND ${SLV_RSVG_CONVERT} --width ${size} --height ${size} --output ${png_dir}/${SLV_APP_ID}.png ${SLV_ICON_SVG}
      DEPENDS ${SLV_ICON_SVG}
      VERBATIM)
    list(APPEND SLV_ICON_PNGS ${png_dir}/${SLV_APP_ID}.png)
    install(FILES ${png_dir}/${SLV_APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(slv_icons ALL DEPENDS ${SLV_ICON_PNGS})
else()
  message(STATUS "rsvg-convert (librsvg2-bin) not found: the icon is installed as SVG only")
endif()

# The Debian package. dpkg-shlibdeps (dpkg-dev) finds the libraries the
# executables need; the triggers of shared-mime-info, desktop-file-utils and
# the icon cache pick up the MIME types, the menu entry and the icon.
if(TARGET selvaro)
  set(SLV_PACKAGED_PROGRAMS "the desktop program selvaro, the command-line program selvaro-cli")
else()
  set(SLV_PACKAGED_PROGRAMS "the command-line program selvaro-cli")
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selvaro)
set(CPACK_PACKAGE_VENDOR "XPS Selvaro developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quantitative evaluation of X-ray photoelectron spectra")
set(CPACK_PACKAGE_DESCRIPTION
"XPS Selvaro turns the peak intensities of X-ray photoelectron spectra into the
surface composition of a sample (atomic, oxide and mass per cent or ratios, with
an oxygen balance), corrected for cross sections, analyser transmission, angular
asymmetry, inelastic mean free path and carbon contamination. For structured
samples it fits the thicknesses of up to five layers and the coverage of islands
on a plane, sphere, cylinder, polyhedron or nanotube.
.
The package holds ${SLV_PACKAGED_PROGRAMS}, the element library,
the help pages and example data sets.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SLV_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Reports name the fonts Times New Roman and Courier New; these faces have their metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
