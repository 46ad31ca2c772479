# THIRD-PARTY-NOTICES.txt, beside LICENSE.txt in the installer and the zip: what the package owes
# the libraries it ships besides Zel. Included by packaging/windows/CMakeLists.txt.
#
# Qt's part comes from the source the Qt for Windows was built from (scripts/windows writes it
# beside that Qt, with that source as built, which it publishes beside the installer under the
# name ZEL_QT_SOURCE_ARCHIVE); the runtime's from Debian's copyright files of the MinGW-w64
# toolchain.
set(qt_notices ${QT6_INSTALL_PREFIX}/notices/qtbase.txt)
set(qt_recipe ${QT6_INSTALL_PREFIX}/zel-recipe.txt)
set(qt_source ${QT6_INSTALL_PREFIX}/source/qtbase-source.tar.xz)
set(ZEL_QT_SOURCE_ARCHIVE Zel-${PROJECT_VERSION}-win64-qt-source.tar.xz)
set(gcc_copyright /usr/share/doc/gcc-mingw-w64-base/copyright)
set(mingw_copyright /usr/share/doc/mingw-w64-common/copyright)
foreach(source ${qt_notices} ${qt_recipe} ${qt_source} ${gcc_copyright} ${mingw_copyright})
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "No ${source}: scripts/windows writes Qt's notices and installs the toolchain")
  endif()
endforeach()

# The recipe's first line names the Debian source package: "qt6-base <version>".
file(STRINGS ${qt_recipe} qt_package LIMIT_COUNT 1)
string(REPLACE "qt6-base " "" ZEL_QT_DEBIAN_VERSION "${qt_package}")
string(REPEAT "=" 78 rule)
file(READ ${qt_notices} qt)
file(READ ${gcc_copyright} gcc)
string(REGEX MATCH "GCC RUNTIME LIBRARY EXCEPTION.*No Weakening of GCC Copyleft\\.[^\n]*\n\n[^\n]*\n[^\n]*\n[^\n]*\n"
       exception "${gcc}")
if(NOT exception)
  message(FATAL_ERROR "${gcc_copyright} holds no GCC Runtime Library Exception")
endif()
file(READ ${mingw_copyright} mingw)
file(GLOB qt_patches ${PROJECT_SOURCE_DIR}/packaging/windows/qtbase-*.patch)
set(patches "")
foreach(patch ${qt_patches})
  get_filename_component(name ${patch} NAME)
  file(READ ${patch} text)
  string(APPEND patches "\n--- ${name}\n\n${text}")
endforeach()

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt
"Zel for Windows: third-party notices
${rule}

Zel itself is free software under the GNU General Public License, version 3 or later
(LICENSE.txt). Beside Zel.exe and zel-device.exe this package holds:

- Qt ${Qt6_VERSION} (Qt6Core.dll, Qt6Gui.dll, Qt6Network.dll, Qt6Widgets.dll,
  platforms\\qwindows.dll, styles\\qwindowsvistastyle.dll, translations\\qtbase_*.qm),
  under the GNU Lesser General Public License, version 3, with the third-party code those
  files hold, each under its own licence below;
- the GCC runtime (libstdc++-6.dll, libgcc_s_seh-1.dll), under the GNU General Public License,
  version 3, with the GCC Runtime Library Exception, version 3.1 (below);
- the MinGW-w64 runtime's threads library (libwinpthread-1.dll), under the licences of the
  MinGW-w64 project (below).

Qt was built from the source of Debian's qt6-base package, version ${ZEL_QT_DEBIAN_VERSION},
with the changes below applied. That source, exactly as it was built, with the changes applied
and how it was configured, is the file ${ZEL_QT_SOURCE_ARCHIVE}, published with
this package wherever its installer and zip are (and on request from Zel's publisher). You may
replace the Qt DLLs with others of the same version built as you like.

Changes applied to Qt's source
${rule}
${patches}

${qt}

GCC runtime: the GCC Runtime Library Exception
${rule}

${exception}

MinGW-w64 and its threads library (winpthreads): Debian's copyright file
${rule}

${mingw}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_BINDIR})
