# cmake/delayload.cmake — a system library loaded at its first call instead of at the start.
# delay_load_library(NAME) makes the target delay_NAME: an import library built from the
# toolchain's own libNAME.a (every function it names) whose entries load NAME.dll when first
# called, and the helper that does the loading. Linked instead of NAME, the program starts
# without the library and its own imports (comdlg32 brings the printing and shell libraries
# with it: about 15 ms of every start under Wine).
function(delay_load_library name)
  find_library(${name}_IMPORT_LIBRARY ${name} REQUIRED)
  set(dir ${CMAKE_BINARY_DIR}/delayload)
  set(def ${dir}/${name}.def)
  set(lib ${dir}/libdelay_${name}.a)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${CMAKE_NM} ${${name}_IMPORT_LIBRARY} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  # an import library holds one "I __imp_NAME" symbol per function
  string(REGEX MATCHALL "[ \t]I __imp_[A-Za-z0-9_@]+" entries "${symbols}")
  list(TRANSFORM entries REPLACE "^[ \t]I __imp_" "")
  list(REMOVE_DUPLICATES entries)
  list(LENGTH entries count)
  if(count EQUAL 0)
    message(FATAL_ERROR "no functions found in ${${name}_IMPORT_LIBRARY}")
  endif()
  list(JOIN entries "\n" exports)
  file(WRITE ${def} "LIBRARY ${name}.dll\nEXPORTS\n${exports}\n")
  execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${def} -y ${lib} -D ${name}.dll COMMAND_ERROR_IS_FATAL ANY)
  add_library(delay_${name} INTERFACE)
  target_link_libraries(delay_${name} INTERFACE ${lib} delayimp)
endfunction()
