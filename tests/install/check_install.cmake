# Installs the build into PREFIX and checks what a desktop expects to find there.
# Run by ctest: cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DAPP_ID=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(result)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(desktop "${PREFIX}/share/applications/${APP_ID}.desktop")
set(metainfo "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
foreach(file bin/quillmar bin/quillmar-batch share/applications/${APP_ID}.desktop
             share/icons/hicolor/scalable/apps/${APP_ID}.svg share/metainfo/${APP_ID}.metainfo.xml
             share/quillmar/patterns/Bricks share/quillmar/patterns/Weave)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The desktop entry: valid, starting the installed program with a file, and
# offered by file managers for every type the program opens.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}" RESULT_VARIABLE result OUTPUT_VARIABLE said
                ERROR_VARIABLE said)
if(result OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate refuses ${desktop}:\n${said}")
endif()
file(READ "${desktop}" entry)
if(NOT entry MATCHES "\nExec=quillmar %f\n")
  message(FATAL_ERROR "the desktop entry does not start quillmar with a file")
endif()
foreach(type image/png image/jpeg image/bmp image/gif)
  if(NOT entry MATCHES "\nMimeType=[^\n]*${type};")
    message(FATAL_ERROR "the desktop entry does not declare ${type}")
  endif()
endforeach()

# The software centre's description, where the validator is installed.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}" RESULT_VARIABLE result
                  OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(result)
    message(FATAL_ERROR "appstreamcli refuses ${metainfo}:\n${said}")
  endif()
endif()
file(READ "${metainfo}" description)
if(NOT description MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo does not name release ${VERSION}")
endif()

# Both programs tell their version without a display: a platform that does not
# exist would end any start that needed one.
foreach(program quillmar quillmar-batch)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=none
                          "${PREFIX}/bin/${program}" --version
                  RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE errors)
  if(result OR NOT said STREQUAL "${program} ${VERSION}\n")
    message(FATAL_ERROR "${program} --version said \"${said}\" (${result}) ${errors}")
  endif()
endforeach()
message(STATUS "installed and checked in ${PREFIX}")
