if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/PackageWindows.cmake)
    return()
endif()
# `cpack` in the build folder makes veltrane_<version>_<arch>.deb for Debian 12.
include(GNUInstallDirs)
install(TARGETS Pellmora Quindle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# What a Debian user looks for beside the programs: manual pages, the copyright and change log under
# doc/, AppStream metadata for software centres, and the hack's description for xscreensaver's
# settings. Manual pages and the change log are installed compressed, as Debian policy asks.
set(VELTRANE_COMPRESSED)
# Ninja makes an output's folder itself; Make and the other generators do not.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
foreach(file man/Quindle.1 man/Pellmora.1 debian/changelog)
    get_filename_component(name ${file} NAME)
    set(out ${CMAKE_BINARY_DIR}/package/${name}.gz)
    add_custom_command(OUTPUT ${out}
                       COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/${file} > ${out}
                       DEPENDS ${PROJECT_SOURCE_DIR}/data/${file} VERBATIM)
    list(APPEND VELTRANE_COMPRESSED ${out})
endforeach()
add_custom_target(veltrane_package_files ALL DEPENDS ${VELTRANE_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/package/Quindle.1.gz ${CMAKE_BINARY_DIR}/package/Pellmora.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veltrane)
install(FILES ${PROJECT_SOURCE_DIR}/data/metainfo/example.tarnwick.Quindle.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/xscreensaver/Pellmora.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)

set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Countdown to a date that matters: a screensaver and a desktop window")
set(CPACK_PACKAGE_DESCRIPTION "Veltrane counts down to a date you care about and shows the years,
months and days still to go. Pellmora is a screensaver that glides the text
across the screen; Quindle is a small borderless desktop window with the same
text, a tray icon and a settings dialog.")
set(CPACK_PACKAGE_CONTACT "Tarnwick <${VELTRANE_VENDOR_EMAIL}>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these at run time, so no library dependency names them: the X11 platform plugin, and the
# fonts the default settings ask for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")
set(CPACK_STRIP_FILES ON)
include(CPack)
