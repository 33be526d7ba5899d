# The Windows download "Plevo-VERSION-windows.zip": one folder holding what Setup installs from
# (Setup.exe, "Plevo Trial.exe", Plevo.ICO, "Read Me.txt") and plevo-lists.exe, the programs
# stripped. `cpack` in the build folder makes it; packaging/check-zip.sh unpacks it into a fresh
# Wine prefix, installs from it, starts the installed program and uninstalls.
set(_resources ${CMAKE_SOURCE_DIR}/src/resources)
install(TARGETS Setup Plevo plevo-lists RUNTIME DESTINATION .)
install(FILES ${_resources}/Plevo.ico DESTINATION . RENAME Plevo.ICO)
install(FILES "${_resources}/Read Me.txt" DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Plevo)
set(CPACK_PACKAGE_VENDOR "Plevo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "Plevo-${PROJECT_VERSION}-windows")
set(CPACK_STRIP_FILES ON)
include(CPack)
