# A Windows build made on Linux runs its programs under Wine: the sample book and the test
# lists at build time, the tests under ctest. The wrapper written here gives every run the
# build's own Wine prefix and the folders of the DLLs the programs load.
if(NOT (WIN32 AND CMAKE_CROSSCOMPILING))
  return()
endif()

find_program(KARAVEL_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
find_program(KARAVEL_WINESERVER NAMES wineserver PATHS /usr/lib/wine REQUIRED)
set(KARAVEL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix the build's programs run in")

# The compiler's runtime DLLs (libstdc++, libgcc) and MinGW's own (winpthread, zlib).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(runtime_dir ${runtime_dll} DIRECTORY)
set(KARAVEL_DLL_DIRS ${runtime_dir} /usr/x86_64-w64-mingw32/lib)
if(KARAVEL_WINDOWS_PREFIX)
  list(PREPEND KARAVEL_DLL_DIRS ${KARAVEL_WINDOWS_PREFIX}/bin)
endif()

# Wine shows the Linux file system as drive Z:.
set(KARAVEL_WINEPATH "")
foreach(dir IN LISTS KARAVEL_DLL_DIRS)
  string(REPLACE "/" "\\" windows_dir "Z:${dir}")
  string(APPEND KARAVEL_WINEPATH "${windows_dir};")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
