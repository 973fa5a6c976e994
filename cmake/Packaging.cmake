# What `cmake --install` puts where, and the Debian package built from it.

# Reverse-DNS id shared by the desktop entry, the AppStream data and the icon,
# so software centres and docks can tie the three together.
set(TIDEWICK_APP_ID "com.kestrow.Tidewick")
set(TIDEWICK_RELEASE_DATE "2026-12-07")
# The same day as the Debian changelog writes it.
set(TIDEWICK_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 00:00:00 +0000")

set(_tidewick_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(_tidewick_icon_dir ${PROJECT_SOURCE_DIR}/src/resources)

install(FILES ${_tidewick_packaging_dir}/${TIDEWICK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The release entry follows the project version, so it cannot drift from it.
configure_file(${_tidewick_packaging_dir}/${TIDEWICK_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${TIDEWICK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${TIDEWICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icon themes look icons up by name in one folder per size, so every size is
# installed under the application id rather than the source file's name.
set(TIDEWICK_ICON_SIZES 16 32 48 64 128)
foreach(size IN LISTS TIDEWICK_ICON_SIZES)
    install(FILES ${_tidewick_icon_dir}/tidewick-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TIDEWICK_APP_ID}.png)
endforeach()
install(FILES ${_tidewick_icon_dir}/tidewick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TIDEWICK_APP_ID}.svg)

# The manual page and the Debian changelog, compressed as Debian policy
# wants them: at most compression, no name or time stamp inside, so the
# package builds the same every time.
function(tidewick_gzipped_file source target)
    configure_file(${source} ${PROJECT_BINARY_DIR}/packaging/${target} @ONLY)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/${target}.gz
        COMMAND gzip -9 -n -f -k ${target}
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/packaging
        DEPENDS ${PROJECT_BINARY_DIR}/packaging/${target}
        VERBATIM)
endfunction()
tidewick_gzipped_file(${_tidewick_packaging_dir}/tidewick.1.in tidewick.1)
tidewick_gzipped_file(${_tidewick_packaging_dir}/changelog.in changelog)
add_custom_target(tidewick_gzipped_docs ALL DEPENDS
    ${PROJECT_BINARY_DIR}/packaging/tidewick.1.gz ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/tidewick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(_tidewick_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tidewick)
install(FILES ${_tidewick_packaging_dir}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${_tidewick_doc_dir})

# Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tidewick")
set(CPACK_PACKAGE_VENDOR "Kestrow")
set(CPACK_PACKAGE_CONTACT "support@kestrow.com")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Tidewick keeps a list of keywords and queries a news service for them, in the\n"
    "ticked countries and categories, now or on a timer. Every article found is\n"
    "announced in a tray balloon and added to a results list that can be saved\n"
    "as a tab-separated text file.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
# Installed folders must not inherit a loose umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kestrow <support@kestrow.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION "net")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Qt libraries come from dpkg-shlibdeps; these are what the program runs or
# needs without linking them: the helpers each query calls, Liberation Sans
# (metric-compatible with the Arial the window is laid out in), and the xcb
# platform plugin Qt needs to show a window at all.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "curl, ansifilter, fonts-liberation, qt6-qpa-plugins, libqt6sql6-sqlite")
# Qt's Wayland platform: without it a Wayland session runs the program through
# XWayland, where it looks and behaves foreign.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
