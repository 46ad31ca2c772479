# Writes the notices of Qt for Windows from the source it was built from: Qt's own licence (the
# LGPL 3.0) and, from Qt's attribution files, every third-party part of the Qt modules Zel ships
# (Core, Gui, Widgets, Network and their plug-ins).
#
#   cmake -DQT_SOURCE=<qtbase source> -DOUTPUT=<file> -P QtNotices.cmake
#
# Parts that Zel's Qt leaves out (configured off, or for other platforms) are skipped by folder.
cmake_minimum_required(VERSION 3.25)

set(skipped_folders
  src/3rdparty/VulkanMemoryAllocator src/gui/vulkan src/gui/opengl src/3rdparty/libjpeg
  src/3rdparty/xcb src/3rdparty/wasm src/3rdparty/android src/3rdparty/gradle
  src/3rdparty/forkfd src/plugins/platforms/cocoa src/dbus src/testlib)
set(shipped_modules qtcore qtgui qtwidgets qtnetwork)

string(REPEAT "=" 78 rule)
file(READ "${QT_SOURCE}/LICENSES/LGPL-3.0-only.txt" lgpl)
set(text "Qt ${QT_VERSION} (Qt6Core, Qt6Gui, Qt6Network, Qt6Widgets and the plug-ins)\n")
string(APPEND text "${rule}\n\nQt is used under the GNU Lesser General Public License, version 3:\n\n")
string(APPEND text "${lgpl}\n")

file(GLOB_RECURSE attributions RELATIVE "${QT_SOURCE}" "${QT_SOURCE}/src/*/qt_attribution.json")
list(SORT attributions)
foreach(attribution ${attributions})
  get_filename_component(folder "${attribution}" DIRECTORY)
  if(folder IN_LIST skipped_folders)
    continue()
  endif()
  file(READ "${QT_SOURCE}/${attribution}" json)
  string(JSON kind TYPE "${json}")
  if(kind STREQUAL "OBJECT")
    set(json "[${json}]")
  endif()
  string(JSON count LENGTH "${json}")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON module ERROR_VARIABLE none GET "${json}" ${i} QDocModule)
    if(NOT module IN_LIST shipped_modules)
      continue()
    endif()
    string(JSON name GET "${json}" ${i} Name)
    string(JSON license GET "${json}" ${i} License)
    string(JSON copyright ERROR_VARIABLE none GET "${json}" ${i} Copyright)
    string(JSON version ERROR_VARIABLE none GET "${json}" ${i} Version)
    string(JSON licenseFile ERROR_VARIABLE none GET "${json}" ${i} LicenseFile)
    string(APPEND text "\n\n${name}")
    if(version)
      string(APPEND text " ${version}")
    endif()
    string(APPEND text "\n${rule}\n\nLicence: ${license}\n")
    if(copyright)
      string(APPEND text "Copyright: ${copyright}\n")
    endif()
    if(licenseFile AND EXISTS "${QT_SOURCE}/${folder}/${licenseFile}")
      file(READ "${QT_SOURCE}/${folder}/${licenseFile}" licenseText)
      string(APPEND text "\n${licenseText}\n")
    endif()
  endforeach()
endforeach()
file(WRITE "${OUTPUT}" "${text}")
