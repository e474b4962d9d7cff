cmake_minimum_required(VERSION 3.25)

# cmake -P: installs BUILD_DIR under ROOT (as DESTDIR) and checks that FILES
# are there and sound, and what the desktop's own validators say of them.

function(fail)
  string(JOIN "" message ${ARGN})
  message(FATAL_ERROR "${message}")
endfunction()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(JOIN " " command ${ARGN})
    fail("${command} failed (${rc}):\n${out}${err}")
  endif()
  set(OUT "${out}${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${ROOT})
run(${CMAKE_COMMAND} -E env DESTDIR=${ROOT} ${CMAKE_COMMAND} --install ${BUILD_DIR})
set(top ${ROOT}${PREFIX})

# Exactly the expected files, each non-empty.
file(GLOB_RECURSE installed RELATIVE ${top} ${top}/*)
list(SORT installed)
set(expected ${FILES})
list(SORT expected)
if(NOT installed STREQUAL expected)
  fail("installed files differ\n  installed: ${installed}\n  expected:  ${expected}")
endif()
foreach(f ${FILES})
  file(SIZE ${top}/${f} size)
  if(size EQUAL 0)
    fail("${f} is empty")
  endif()
endforeach()

# The programs are executables; the command-line one runs from its installed
# place and lists its commands.
foreach(program kinotab kinotab-cli)
  file(READ ${top}/bin/${program} magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    fail("bin/${program} is not a program")
  endif()
  run(test -x ${top}/bin/${program})
endforeach()
execute_process(COMMAND ${top}/bin/kinotab-cli ERROR_VARIABLE usage RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT usage MATCHES "kinotab-cli table WORK.ktb")
  fail("installed kinotab-cli gave ${rc}: ${usage}")
endif()

# The icon pictures are PNG of their size (width and height in the header).
foreach(size ${ICON_SIZES})
  set(png ${top}/share/icons/hicolor/${size}x${size}/apps/kinotab.png)
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR w "0x${width}")
  math(EXPR h "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
    fail("${png} is not a ${size}x${size} PNG (${signature}, ${w}x${h})")
  endif()
endforeach()
run(xmllint --noout ${top}/share/icons/hicolor/scalable/apps/kinotab.svg)

# The menu entry names the installed program, icon and work-file type.
set(desktop ${top}/share/applications/${APP_ID}.desktop)
file(READ ${desktop} entry)
set(entry "\n${entry}")
# Lines hold ";", so they are looked up in the text rather than in a list.
function(expect_line start)
  string(FIND "${entry}" "\n${start}" at)
  if(at EQUAL -1)
    fail("${desktop} lacks ${start}")
  endif()
endfunction()
expect_line("Exec=kinotab %f\n")
expect_line("Icon=kinotab\n")
expect_line("MimeType=application/x-kinotab-work;\n")
expect_line("Categories=Education;Science;Physics;\n")
# English and Czech name, generic name and comment.
foreach(key Name GenericName Comment Name[cs] GenericName[cs] Comment[cs])
  expect_line("${key}=")
endforeach()

# The MIME type: shared-mime-info compiles it and maps *.ktb to the type.
set(mime ${ROOT}/mime)
file(MAKE_DIRECTORY ${mime}/packages)
file(COPY ${top}/share/mime/packages/kinotab-ktb.xml DESTINATION ${mime}/packages)
run(update-mime-database ${mime})
file(READ ${mime}/globs2 globs)
if(NOT globs MATCHES "application/x-kinotab-work:\\*\\.ktb")
  fail("update-mime-database did not map *.ktb: ${globs}")
endif()

# Man pages: gzip holds them and groff reads them without a warning.
foreach(page kinotab kinotab-cli)
  run(sh -c "gzip -dc '${top}/share/man/man1/${page}.1.gz' | groff -man -ww -z 2>&1 | (! grep .)")
endforeach()

# The desktop's validators, where this machine has them.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  run(${DESKTOP_FILE_VALIDATE} ${desktop})
  if(OUT MATCHES "error|warning")
    fail("desktop-file-validate: ${OUT}")
  endif()
else()
  message(STATUS "desktop-file-validate not found: not run")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  run(${APPSTREAMCLI} validate --no-net ${top}/share/metainfo/${APP_ID}.metainfo.xml)
else()
  message(STATUS "appstreamcli not found: not run")
endif()
