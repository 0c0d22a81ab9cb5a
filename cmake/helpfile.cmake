# cmake/helpfile.cmake — compiles the user guide.
#   cmake -DSRC=<help/> -DSTAGE=<scratch> -DOUT=<program folder> -DCHMCMD=<chmcmd> -DICONV=<iconv>
#         -P helpfile.cmake
# The sources are UTF-8; HTML Help reads the contents, the index and the popup topics in the
# guide's code page (Czech: Windows-1250), so every text file is converted on the way to the
# stage, pictures are copied as they are. Every file the project lists must exist. The guide
# napovedaN5.chm and its popup topics CSHelp.txt (also inside the guide) go to OUT.
foreach(v SRC STAGE OUT CHMCMD ICONV)
  if(NOT DEFINED ${v} OR "${${v}}" STREQUAL "")
    message(FATAL_ERROR "helpfile.cmake: ${v} is not set")
  endif()
endforeach()

set(project napoveda.hhp)
file(STRINGS ${SRC}/${project} lines)
set(files "")
set(in_files FALSE)
foreach(line ${lines})
  string(STRIP "${line}" line)
  if(line MATCHES "^\\[")
    set(in_files FALSE)
    if(line STREQUAL "[FILES]")
      set(in_files TRUE)
    endif()
  elseif(in_files AND NOT line STREQUAL "")
    list(APPEND files ${line})
  elseif(line MATCHES "^Compiled file=(.*)$")
    set(chm ${CMAKE_MATCH_1})
  endif()
endforeach()
if(NOT chm)
  message(FATAL_ERROR "${project}: no Compiled file=")
endif()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
foreach(f ${project} obsah.hhc rejstrik.hhk ${files})
  if(NOT EXISTS ${SRC}/${f})
    message(FATAL_ERROR "help/${f} is listed in ${project} but missing")
  endif()
  get_filename_component(dir ${STAGE}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  if(f MATCHES "\\.(png|jpg|gif)$")
    file(COPY_FILE ${SRC}/${f} ${STAGE}/${f})
  else()
    execute_process(COMMAND ${ICONV} -f UTF-8 -t CP1250 ${SRC}/${f} OUTPUT_FILE ${STAGE}/${f}
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "help/${f}: not UTF-8 text that Windows-1250 can hold: ${err}")
    endif()
  endif()
endforeach()

execute_process(COMMAND ${CHMCMD} ${project} WORKING_DIRECTORY ${STAGE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT rc EQUAL 0 OR NOT EXISTS ${STAGE}/${chm} OR log MATCHES "[Ee]rror")
  message(FATAL_ERROR "chmcmd failed (${rc}):\n${log}")
endif()
file(COPY_FILE ${STAGE}/${chm} ${OUT}/${chm})
file(COPY_FILE ${STAGE}/CSHelp.txt ${OUT}/CSHelp.txt)
