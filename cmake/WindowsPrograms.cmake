# The Windows programs are a build of their own with mingw-w64 (no sanitizers there), made as
# one step of this build so that the Wine tests find them in windows/.
find_program(VEXA_MINGW_CXX x86_64-w64-mingw32-g++ REQUIRED)
include(ExternalProject)
ExternalProject_Add(windows_programs
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/cmake/windows
  BINARY_DIR ${CMAKE_BINARY_DIR}/windows
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE_PROGRAM}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")
set(VEXA_WINDOWS_PROGRAMS ${CMAKE_BINARY_DIR}/windows)
