# The release layout (cmake --install) and its ZIP (make package):
#   Tessel.exe, tesselsub.dll, tesselsub64.dll, TesselHook64.exe, help/help.htm,
#   plugins/ifwic.spi, readme.txt
install(TARGETS Tessel tesselsub RUNTIME DESTINATION .)
# The 64-bit caption pair, which the 32-bit build makes beside the program (cmake/Hook64.cmake).
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND TESSEL_WITH_HOOK64)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/bin/tesselsub64.dll ${CMAKE_BINARY_DIR}/bin/TesselHook64.exe
          DESTINATION .)
endif()
install(TARGETS ifwic LIBRARY DESTINATION plugins RUNTIME DESTINATION plugins)
install(FILES ${PROJECT_SOURCE_DIR}/help/help.htm DESTINATION help)
# The readme as Notepad on Windows 7 and 8 reads it: a UTF-8 byte order mark (without one it
# takes the text for code page 932) and CRLF line ends.
string(ASCII 239 187 191 TESSEL_README_BOM)
configure_file(${PROJECT_SOURCE_DIR}/docs/package-readme.txt ${CMAKE_BINARY_DIR}/readme.txt
               @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/readme.txt DESTINATION .)

# Beside the built program too, so the help command works from the build folder.
configure_file(${PROJECT_SOURCE_DIR}/help/help.htm ${CMAKE_BINARY_DIR}/bin/help/help.htm COPYONLY)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tessel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Tessel-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
