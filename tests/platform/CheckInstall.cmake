# Installs the build into a fresh prefix and checks what a desktop needs is there.
# -DBUILD_DIR=<build folder> -DPREFIX=<scratch folder> -DPROGRAMS=<names of built programs>
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  share/applications/karavel.desktop
  share/mime/packages/karavel-wolf.xml
  share/icons/hicolor/scalable/apps/karavel.svg
  share/icons/hicolor/scalable/mimetypes/application-x-wolf-ebook.svg)
foreach(size 16x16 32x32 48x48)
  list(APPEND expected share/icons/hicolor/${size}/apps/karavel.png
                       share/icons/hicolor/${size}/mimetypes/application-x-wolf-ebook.png)
endforeach()
list(REMOVE_ITEM PROGRAMS "")
foreach(program IN LISTS PROGRAMS)
  list(APPEND expected bin/${program})
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/karavel.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=karavel %f")
  message(FATAL_ERROR "unexpected ${exec}")
endif()
find_program(VALIDATOR desktop-file-validate)
if(VALIDATOR)
  execute_process(COMMAND ${VALIDATOR} ${PREFIX}/share/applications/karavel.desktop
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects the desktop entry")
  endif()
endif()
