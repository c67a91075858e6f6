# The Debian package of the native program (cpack --preset release): the program, its manual
# page, and the copyright and changelog that every Debian package carries.
include(GNUInstallDirs)

set(ZRK_PACKAGE zrk-md11-installer)
set(ZRK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${ZRK_PACKAGE})
# The package is named by three parts, 1.17.0; the programs themselves carry all four.
set(ZRK_PACKAGE_VERSION
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(ZRK_PACKAGE_MAINTAINER "ZRK MD-11 panel team <zrk-md11@example.org>"
    CACHE STRING "Maintainer of the Debian package, name and address")

# Manual page and changelog (whose entry takes the version and maintainer from here) go in
# gzipped, without name or time stamp (gzip -n), as Debian wants them.
function(zrk_gzipped template output)
    configure_file(${template} ${CMAKE_BINARY_DIR}/package/${output} @ONLY)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/${output}.gz
                       COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/package/${output}
                       DEPENDS ${CMAKE_BINARY_DIR}/package/${output} VERBATIM)
    set(ZRK_GZIPPED ${ZRK_GZIPPED} ${CMAKE_BINARY_DIR}/package/${output}.gz PARENT_SCOPE)
endfunction()
zrk_gzipped(${CMAKE_SOURCE_DIR}/resources/dist/zrk-md11-installer.1.in zrk-md11-installer.1)
zrk_gzipped(${CMAKE_SOURCE_DIR}/resources/dist/changelog.in changelog)
add_custom_target(package_files ALL DEPENDS ${ZRK_GZIPPED})

install(TARGETS zrk-md11-installer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/package/zrk-md11-installer.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/resources/dist/copyright
              ${CMAKE_BINARY_DIR}/package/changelog.gz DESTINATION ${ZRK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZRK_PACKAGE})
set(CPACK_PACKAGE_VERSION ${ZRK_PACKAGE_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZRK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "installer of the ZRK MD-11 panel for FS2004 aircraft
zrk-md11-installer adapts an MD-11 aircraft folder of the flight simulator
FS2004 so that the simulator uses the ZRK MD-11 panel, a tuned flight model
and, on request, the ZRK engine sounds and the ZRK Trimdesk load editor. It is
the installer of the product's Windows download with its dialogs drawn in the
terminal, for a simulator that runs under Wine. Every file it replaces is kept
beside the original, and Uninstall puts the aircraft folder back as it was.")
set(CPACK_STRIP_FILES ON)
# Debian's modes whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
