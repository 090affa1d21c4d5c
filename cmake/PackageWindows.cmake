# `cpack` in the Windows build folder makes veltrane-<version>-win64.exe, an NSIS installer (64-bit, so
# it sees the real system folder and registry). It puts Quindle, the uninstaller, the help and the
# read-me in Program Files\Veltrane and the screensaver in the system folder, where Windows's
# screensaver settings list it. It records that folder as the store's Common DesktopPath (the
# screensaver looks there for its help and read-me) and writes Quindle's Run value, so "Run Quindle at
# Startup", ticked by default, tells the truth. Both install and uninstall run silently with /S; the
# uninstaller removes the files, the shortcuts and the Run value and keeps the user's settings.
install(TARGETS Quindle Pellmora RUNTIME DESTINATION .)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Veltrane)
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Countdown to a date that matters: a screensaver and a desktop window")
set(CPACK_PACKAGE_FILE_NAME veltrane-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Veltrane)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Veltrane)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Veltrane)
set(CPACK_NSIS_PACKAGE_NAME Veltrane)
set(CPACK_NSIS_CONTACT ${VELTRANE_VENDOR_EMAIL})
set(CPACK_NSIS_URL_INFO_ABOUT ${VELTRANE_VENDOR_WEBSITE})
set(CPACK_NSIS_INSTALLED_ICON_NAME Quindle.exe)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES Quindle Quindle)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

# Verbatim: the NSIS lines below reach the script exactly as written here.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [[
  CopyFiles /SILENT "$INSTDIR\Pellmora.scr" "$SYSDIR\Pellmora.scr"
  Delete "$INSTDIR\Pellmora.scr"
  WriteRegStr HKCU "Software\VB and VBA Program Settings\QVX\Veltrane\Common" DesktopPath "$INSTDIR"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Run" Quindle "$INSTDIR\Quindle.exe"
]])
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [[
  Delete "$SYSDIR\Pellmora.scr"
  DeleteRegValue HKCU "Software\Microsoft\Windows\CurrentVersion\Run" Quindle
]])
set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Pellmora Settings.lnk" "$SYSDIR\Pellmora.scr" /c
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Read Me.lnk" "$INSTDIR\ReadMe.rtf"
]])
set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
  Delete "$SMPROGRAMS\$MUI_TEMP\Pellmora Settings.lnk"
  Delete "$SMPROGRAMS\$MUI_TEMP\Read Me.lnk"
]])
include(CPack)
