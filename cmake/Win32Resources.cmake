# The program's Windows resources (icons, version record, manifest). The program's target
# adds them with karavel_add_win32_resources(<target>); elsewhere that does nothing.
set(KARAVEL_WIN32_RESOURCES ${PROJECT_SOURCE_DIR}/resources/karavel.rc)

function(karavel_add_win32_resources target)
  if(NOT WIN32)
    return()
  endif()
  set(KARAVEL_VERSION_TWEAK ${PROJECT_VERSION_TWEAK})
  if(NOT KARAVEL_VERSION_TWEAK)
    set(KARAVEL_VERSION_TWEAK 0)
  endif()
  # "1.2.07": the release with at least two digits, as the about box shows it.
  set(release ${PROJECT_VERSION_PATCH})
  if(release LESS 10)
    set(release "0${release}")
  endif()
  set(KARAVEL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${release}")
  set(generated ${CMAKE_BINARY_DIR}/win32resources)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/KaravelVersion.rc.h.in
                 ${generated}/KaravelVersion.rc.h @ONLY)
  target_sources(${target} PRIVATE ${KARAVEL_WIN32_RESOURCES})
  set_property(SOURCE ${KARAVEL_WIN32_RESOURCES} APPEND PROPERTY INCLUDE_DIRECTORIES
               ${generated} ${PROJECT_SOURCE_DIR}/resources)
  if(MSVC)
    # The manifest is part of the resources; the linker must not add a second one.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
