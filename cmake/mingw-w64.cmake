# Cross-builds Windows programs with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix), for Karavel
# and for the libraries scripts/build-windows-deps.sh makes. KARAVEL_WINDOWS_PREFIX, where those
# libraries are installed, is searched beside MinGW's own folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KARAVEL_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${KARAVEL_WINDOWS_PREFIX})
if(KARAVEL_WINDOWS_PREFIX)
  list(APPEND CMAKE_PREFIX_PATH ${KARAVEL_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config must see only Windows libraries: the host's would be taken otherwise.
set(ENV{PKG_CONFIG_LIBDIR} "${KARAVEL_WINDOWS_PREFIX}/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

# Qt for Windows runs its build tools (moc, rcc, uic) from the host's Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "Qt of the build machine")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake packages of QT_HOST_PATH")

# Test lists are read when the tests run (through Wine), not at build time.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
