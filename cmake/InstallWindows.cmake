# The portable folder of the Windows programs (`cmake --install BUILD --prefix FOLDER`): the
# programs with every DLL they load beside them, Qt's plug-ins in the folders Qt looks in beside
# the program, Qt's own translations, and a qt.conf that makes the folder Qt's prefix.
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
foreach(plugin platforms/qwindows styles/qwindowsvistastyle imageformats/qgif imageformats/qico
               imageformats/qjpeg imageformats/qtiff imageformats/qwebp)
  get_filename_component(kind ${plugin} DIRECTORY)
  if(EXISTS ${qt_plugins}/${plugin}.dll)
    install(FILES ${qt_plugins}/${plugin}.dll DESTINATION ${kind})
  endif()
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/qt.conf DESTINATION .)
foreach(language zh_CN zh_TW ru)
  install(FILES /usr/share/qt6/translations/qtbase_${language}.qm DESTINATION translations OPTIONAL)
endforeach()

# After the programs, whose rules are added once the top folder has been read.
function(karavel_install_dlls)
  install(CODE "execute_process(COMMAND \${CMAKE_COMMAND} -DFOLDER=\${CMAKE_INSTALL_PREFIX}
                  \"-DDLL_DIRS=${KARAVEL_DLL_DIRS}\" -DOBJDUMP=${CMAKE_OBJDUMP}
                  -P ${PROJECT_SOURCE_DIR}/cmake/CollectDlls.cmake COMMAND_ERROR_IS_FATAL ANY)")
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL karavel_install_dlls)

# The installer's script; scripts/build-windows.sh runs makensis on it once the folder is laid out.
configure_file(${PROJECT_SOURCE_DIR}/resources/karavel.nsi.in ${CMAKE_BINARY_DIR}/installer/karavel.nsi @ONLY)
