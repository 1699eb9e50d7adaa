# What `cmake --install` and the Debian package put on a system: the two programs, and on
# freedesktop systems the desktop entry, the MIME type of .wol files and the icons. On Windows,
# the portable folder of cmake/InstallWindows.cmake.
include(GNUInstallDirs)
if(WIN32)
  set(KARAVEL_PROGRAM_DIR .)
else()
  set(KARAVEL_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
endif()

# The programs' targets are made in folders added after this file may have been read, so
# their rules are added once the top folder has been read completely.
function(karavel_install_programs)
  foreach(program karavel wolftool)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${KARAVEL_PROGRAM_DIR})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL karavel_install_programs)
if(WIN32)
  include(cmake/InstallWindows.cmake)
endif()

if(UNIX AND NOT APPLE)
  set(resources ${PROJECT_SOURCE_DIR}/resources)
  install(FILES ${resources}/karavel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${resources}/karavel-wolf.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  foreach(icon karavel:apps application-x-wolf-ebook:mimetypes)
    string(REPLACE ":" ";" icon ${icon})
    list(GET icon 0 name)
    list(GET icon 1 context)
    foreach(size 16 32 48)
      install(FILES ${resources}/icons/${name}-${size}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context}
              RENAME ${name}.png)
    endforeach()
    install(FILES ${resources}/icons/${name}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${context})
  endforeach()
endif()

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
endif()
set(CPACK_PACKAGE_NAME karavel)
set(CPACK_PACKAGE_VENDOR "Karavel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer and light editor for Wolf e-books")
set(CPACK_PACKAGE_CONTACT "Karavel developers <karavel@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Karavel developers <karavel@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The same refresh after installing and after removing.
set(KARAVEL_REFRESH_ON configure)
configure_file(cmake/debian/maintscript.in ${CMAKE_BINARY_DIR}/debian/postinst @ONLY)
set(KARAVEL_REFRESH_ON "remove|purge")
configure_file(cmake/debian/maintscript.in ${CMAKE_BINARY_DIR}/debian/postrm @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/postinst ${CMAKE_BINARY_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
