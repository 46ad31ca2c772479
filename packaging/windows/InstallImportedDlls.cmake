# Run at install time: installs the DLLs that ZEL_BINARIES import, and the DLLs those import in
# turn, as their import tables (objdump -p) name them, from the folders ZEL_DLL_FOLDERS. A DLL in
# none of those folders is part of Windows and stays out. Windows matches DLL names without
# regard to case, and so does this (CMake's own resolver lowers the names and then misses Qt's
# on a Linux file system).
#
# In: ZEL_OBJDUMP, ZEL_STRIP, ZEL_BINARIES, ZEL_DLL_FOLDERS, ZEL_DESTINATION (below the install prefix).

cmake_policy(VERSION 3.25) # an install script starts with none set

set(available)
foreach(folder ${ZEL_DLL_FOLDERS})
  file(GLOB dlls LIST_DIRECTORIES false "${folder}/*.dll")
  foreach(dll ${dlls})
    cmake_path(GET dll FILENAME name)
    string(TOLOWER "${name}" key)
    if(NOT DEFINED "found_${key}") # the first folder wins, as on the search path
      set("found_${key}" "${dll}")
      list(APPEND available "${key}")
    endif()
  endforeach()
endforeach()

set(pending ${ZEL_BINARIES})
set(deployed)
while(pending)
  list(POP_FRONT pending binary)
  execute_process(COMMAND "${ZEL_OBJDUMP}" -p "${binary}"
                  OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
  foreach(import ${imports})
    string(REGEX REPLACE "^DLL Name: " "" name "${import}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" key)
    if(key IN_LIST available AND NOT key IN_LIST deployed)
      list(APPEND deployed "${key}")
      list(APPEND pending "${found_${key}}")
    endif()
  endforeach()
endwhile()

set(files)
foreach(key ${deployed})
  list(APPEND files "${found_${key}}")
endforeach()
list(SORT files)
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ZEL_DESTINATION}")
file(INSTALL ${files} DESTINATION "${CMAKE_INSTALL_PREFIX}/${ZEL_DESTINATION}")
# Stripped where the programs are (cpack, cmake --install --strip): Debian's MinGW libraries and
# our Qt carry their debugging information.
if(CMAKE_INSTALL_DO_STRIP)
  foreach(file ${files})
    cmake_path(GET file FILENAME name)
    execute_process(COMMAND "${ZEL_STRIP}" --strip-debug "${destination}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()
