# Installs the build into PREFIX and checks that the program, its manual and
# its desktop files are where the desktop looks for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/orrery
  share/applications/orrery.desktop
  share/mime/packages/orrery.xml
  share/icons/hicolor/scalable/apps/orrery.svg
  share/icons/hicolor/scalable/mimetypes/application-x-orrery-graph.svg)
file(GLOB manual RELATIVE ${SOURCE_DIR}/help ${SOURCE_DIR}/help/*.html ${SOURCE_DIR}/help/*.css ${SOURCE_DIR}/help/*.png)
list(LENGTH manual pages)
if(pages LESS 10)
  message(FATAL_ERROR "the manual has only ${pages} files")
endif()
foreach(page IN LISTS manual)
  list(APPEND expected share/doc/Orrery/help/${page})
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The installed program runs from its new place.
execute_process(COMMAND ${PREFIX}/bin/orrery --version OUTPUT_VARIABLE version RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT version MATCHES "^orrery [0-9]")
  message(FATAL_ERROR "the installed orrery does not run: ${result} ${version}")
endif()

file(READ ${PREFIX}/share/applications/orrery.desktop entry)
foreach(line "Exec=orrery %f" "MimeType=application/x-orrery-graph;" "Icon=orrery")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks '${line}':\n${entry}")
  endif()
endforeach()
file(READ ${PREFIX}/share/mime/packages/orrery.xml mime)
string(FIND "${mime}" "<glob pattern=\"*.qpl\"/>" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the MIME package lacks the *.qpl glob")
endif()
file(REMOVE_RECURSE ${PREFIX})
