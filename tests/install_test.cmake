# Installs the built program into a temporary prefix and checks that it runs from there and
# finds its languages, and that the desktop files are where desktops look for them.
# Arguments: -DBUILD=<build folder> -DPREFIX=<temporary prefix>

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(file bin/zeva
             share/zeva/languages/Espanol.lng share/zeva/languages/English.lng
             share/zeva/help share/zeva/examples/gallery.kdo
             share/applications/zeva.desktop share/mime/packages/zeva.xml
             share/icons/hicolor/scalable/apps/zeva.svg
             share/icons/hicolor/scalable/mimetypes/application-x-zeva-document.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The installed program, away from the build tree, finds the installed languages.
execute_process(COMMAND ${PREFIX}/bin/zeva --version WORKING_DIRECTORY /
                RESULT_VARIABLE ran OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT ran EQUAL 0)
  message(FATAL_ERROR "zeva --version failed (${ran}): ${out}${err}")
endif()
string(FIND "${out}" "languages: ${PREFIX}/share/zeva/languages (English, Espanol)" found)
if(NOT out MATCHES "^zeva [0-9]" OR found EQUAL -1)
  message(FATAL_ERROR "the installed program does not find its languages:\n${out}")
endif()

file(READ ${PREFIX}/share/applications/zeva.desktop entry)
foreach(line "Exec=zeva %F" "Icon=zeva"
             "MimeType=application/x-zeva-document;application/x-zeva-macro;")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "zeva.desktop lacks ${line}")
  endif()
endforeach()

# The file types, compiled as the desktop compiles them, map both spellings of the extensions.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND ${UPDATE_MIME} ${PREFIX}/share/mime RESULT_VARIABLE mime
                  OUTPUT_QUIET ERROR_VARIABLE mime_err)
  if(NOT mime EQUAL 0 OR mime_err MATCHES "[Ee]rror")
    message(FATAL_ERROR "update-mime-database refused zeva.xml: ${mime_err}")
  endif()
  file(READ ${PREFIX}/share/mime/globs2 globs)
  foreach(glob "application/x-zeva-document:*.kdo" "application/x-zeva-document:*.KDO"
               "application/x-zeva-macro:*.mac" "application/x-zeva-macro:*.MAC")
    string(FIND "${globs}" "${glob}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the file types lack ${glob}:\n${globs}")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed, ran and found its languages under ${PREFIX}")
