# packaging/package.cmake — the installer and the portable zip of the program folder.
#   cmake -DOUT_DIR=<program folder> -DFILES=a,b -DVERSION=x.y.z.w -DDIST_DIR=<where to>
#         -DWORK_DIR=<scratch> -DNSI=<notavo.nsi> -DICON=<notavo.ico> [-DSTRIP=<strip>] -P package.cmake
# Every listed file must be in OUT_DIR: a package without one of them is not made. With STRIP,
# the packed programs and libraries lose their symbol tables (a third of their size).
foreach(v OUT_DIR FILES VERSION DIST_DIR WORK_DIR NSI ICON)
  if(NOT DEFINED ${v} OR "${${v}}" STREQUAL "")
    message(FATAL_ERROR "package.cmake: ${v} is not set")
  endif()
endforeach()
string(REPLACE "," ";" FILES "${FILES}")
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  message(FATAL_ERROR "makensis not found (Debian package nsis; scripts/deps.sh installs it)")
endif()

set(missing "")
foreach(f ${FILES})
  if(NOT EXISTS ${OUT_DIR}/${f})
    list(APPEND missing ${f})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "package.cmake: missing in ${OUT_DIR}: ${missing}")
endif()

# a fresh stage: the program folder exactly as it is packed, nothing left from an earlier run
set(stage ${WORK_DIR}/Notavo)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${stage} ${DIST_DIR})
set(install_lines "")
set(uninstall_lines "")
foreach(f ${FILES})
  file(COPY ${OUT_DIR}/${f} DESTINATION ${stage})
  if(STRIP AND f MATCHES "\\.(exe|dll)$")
    execute_process(COMMAND ${STRIP} ${stage}/${f} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${STRIP} ${f} failed (${rc})")
    endif()
  endif()
  string(APPEND install_lines "  File \"${stage}/${f}\"\n")
  string(APPEND uninstall_lines "  Delete \"$INSTDIR\\${f}\"\n")
endforeach()
file(WRITE ${WORK_DIR}/files.nsh
  "!macro NOTAVO_INSTALL_FILES\n${install_lines}!macroend\n"
  "!macro NOTAVO_UNINSTALL_FILES\n${uninstall_lines}!macroend\n")

set(installer ${DIST_DIR}/Notavo-${VERSION}-install.exe)
set(zip ${DIST_DIR}/Notavo-${VERSION}-portable.zip)
file(REMOVE ${installer} ${zip})
execute_process(
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION} -DSTAGE=${WORK_DIR}
          -DOUTFILE=${installer} -DICON=${ICON} ${NSI}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS ${installer})
  message(FATAL_ERROR "makensis failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Notavo
  WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the zip could not be made (${rc})")
endif()
foreach(p ${installer} ${zip})
  file(SIZE ${p} size)
  math(EXPR kib "(${size} + 1023) / 1024")
  message(STATUS "${p}: ${kib} KiB")
endforeach()
