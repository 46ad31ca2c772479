# Run by cpack once the files are staged (and stripped) and before they are packed: with a
# certificate given (ZEL_SIGN_PFX), signs the programs, so that the installer and the zip hold
# signed ones.
if("$ENV{ZEL_SIGN_PFX}" STREQUAL "")
  return()
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*.exe")
foreach(program ${staged})
  get_filename_component(name "${program}" NAME)
  if(name STREQUAL "Zel.exe" OR name STREQUAL "zel-device.exe")
    execute_process(COMMAND "${CPACK_ZEL_SIGN_COMMAND}" "${program}" COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "Signed ${name}")
  endif()
endforeach()
