# The restart program's sources, shared by the Linux build (against the stand-in Windows API,
# for tests) and the mingw-w64 build of VexaRsApp.exe.
set(VEXA_RSAPP_SOURCES main.cpp module_frame.cpp restart.cpp restart_command.cpp)
list(TRANSFORM VEXA_RSAPP_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
