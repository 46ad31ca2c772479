# Run by cpack once the files are staged (and stripped) and before they are packed: with a key
# to sign with (ZEL_SIGN_PFX, ZEL_SIGN_PKCS11_KEY or ZEL_SIGN_COMMAND; scripts/windows-sign),
# signs every program, DLL and plug-in, so that the installer and the zip hold only signed ones:
# Smart App Control and WDAC judge every file a process loads. For the installer, also signed
# copies of the NSIS plug-ins it unpacks and loads while it runs (CPackPerGenerator.cmake).
if("$ENV{ZEL_SIGN_PFX}$ENV{ZEL_SIGN_PKCS11_KEY}$ENV{ZEL_SIGN_COMMAND}" STREQUAL "")
  return()
endif()

function(zel_sign file)
  execute_process(COMMAND "${CPACK_ZEL_SIGN_COMMAND}" "${file}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()

file(GLOB_RECURSE staged LIST_DIRECTORIES false
  "${CPACK_TEMPORARY_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_DIRECTORY}/*.dll")
foreach(file ${staged})
  zel_sign("${file}")
endforeach()
list(LENGTH staged count)
message(STATUS "Signed the ${count} programs and DLLs")

if(CPACK_GENERATOR STREQUAL "NSIS")
  set(makensis makensis)
  if(CPACK_NSIS_EXECUTABLE)
    set(makensis "${CPACK_NSIS_EXECUTABLE}")
  endif()
  execute_process(COMMAND "${makensis}" -HDRINFO OUTPUT_VARIABLE info COMMAND_ERROR_IS_FATAL ANY)
  if(NOT info MATCHES "NSISDIR=([^,\n]+)")
    message(FATAL_ERROR "makensis names no NSISDIR:\n${info}")
  endif()
  file(GLOB plugins "${CMAKE_MATCH_1}/Plugins/amd64-unicode/*.dll")
  if(NOT plugins)
    message(FATAL_ERROR "No NSIS plug-ins in ${CMAKE_MATCH_1}/Plugins/amd64-unicode")
  endif()
  set(signed "${CPACK_TOPLEVEL_DIRECTORY}/signed-plugins")
  file(REMOVE_RECURSE "${signed}")
  file(COPY ${plugins} DESTINATION "${signed}")
  file(GLOB copies "${signed}/*.dll")
  foreach(file ${copies})
    zel_sign("${file}")
  endforeach()
  message(STATUS "Signed the NSIS plug-ins in ${signed}")
endif()
