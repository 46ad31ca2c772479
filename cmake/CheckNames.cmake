# Holds the border between the design's names and Zel's own: fails naming file, line and name of
# every type-lettered member (m_bFlag, m_nCount, m_pThing, m_strText, ...) and every PascalCase
# function or method declared in the sources that the list of the design's names lacks. Zel's own
# names follow Qt's conventions, so that a reader can tell the design's contract from what is free
# to change.
#
# cmake -DSOURCE_DIR=... -DNAMES_LIST=... -P CheckNames.cmake

cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_DIR NAMES_LIST)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

# The list: one name a line, first on it; the rest of the line and lines starting with # are notes.
file(STRINGS "${NAMES_LIST}" listLines)
set(designNames)
foreach(line IN LISTS listLines)
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)")
    list(APPEND designNames "${CMAKE_MATCH_1}")
  endif()
endforeach()

# The lines of a file, numbered from 1. C++ text holds the characters that CMake lists treat
# specially (semicolons, brackets, backslashes): they become blanks, as none of them is part of a
# name.
function(zel_source_lines file linesVar)
  file(READ "${file}" text)
  string(REGEX REPLACE "[][;\\]" " " text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${linesVar} "${lines}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT sources)

# Types may be named in PascalCase, and so their constructors.
set(typeNames)
foreach(file IN LISTS sources)
  file(STRINGS "${file}" typeLines REGEX "(class|struct|enum)[ \t]")
  foreach(line IN LISTS typeLines)
    string(REGEX MATCHALL "(class|struct|enum class|enum)[ \t]+[A-Za-z_][A-Za-z0-9_]*" found
           "${line}")
    foreach(declaration IN LISTS found)
      string(REGEX REPLACE ".*[ \t]" "" type "${declaration}")
      list(APPEND typeNames "${type}")
    endforeach()
  endforeach()
endforeach()

# A member declared with a type letter: m_ and a type prefix, then the name in capitals.
set(typed "m_(b|n|p|str|sz|h|dw|w|c|ch|by|f|l|lp|u|d|i|btn|lbl|edit)[A-Z][A-Za-z0-9_]*")
# A declaration: a type (a name, perhaps qualified, templated, a pointer or a reference), then the
# declared name; statements start with a keyword or hold an operator before the name.
set(type "[A-Za-z_][A-Za-z0-9_:<>, \t]*[ \t*&>]")
set(keywords "^(return|delete|new|throw|else|case|goto|co_return|co_await|using|namespace)$")

set(problems)
foreach(file IN LISTS sources)
  file(RELATIVE_PATH shownFile "${SOURCE_DIR}/.." "${file}")
  zel_source_lines("${file}" lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "//.*" "" code "${line}")
    if(code MATCHES "^[ \t]*(#|\\*|/\\*)")
      continue()
    endif()
    string(REGEX MATCH "^[ \t]*([A-Za-z_][A-Za-z0-9_]*)" ignored "${code}")
    if(CMAKE_MATCH_1 MATCHES "${keywords}")
      continue()
    endif()
    set(name)
    if(code MATCHES "^[ \t]*${type}[ \t*&]*(${typed})[ \t]*(=|;|{|$)")
      string(REGEX MATCH "${typed}" name "${code}")
      set(kind "type-lettered member")
    elseif(code MATCHES "^[ \t]*${type}[ \t*&]*([A-Z][a-z][A-Za-z0-9]*)[ \t]*\\(")
      # Not a constructor, nor a definition of a method declared elsewhere (Class::Method).
      string(REGEX MATCH "([A-Za-z0-9_]*::)?[A-Z][a-z][A-Za-z0-9]*[ \t]*\\(" called "${code}")
      string(REGEX REPLACE "[ \t]*\\($" "" name "${called}")
      if(name MATCHES "::")
        set(name)
      endif()
      set(kind "PascalCase function")
    endif()
    if(name AND NOT name IN_LIST designNames AND NOT name IN_LIST typeNames)
      list(APPEND problems "${shownFile}:${number}: ${kind} ${name}")
    endif()
  endforeach()
endforeach()

if(problems)
  list(REMOVE_DUPLICATES problems)
  list(JOIN problems "\n" problems)
  file(RELATIVE_PATH shownList "${SOURCE_DIR}/.." "${NAMES_LIST}")
  message(FATAL_ERROR "Names dressed as the design's that ${shownList} does not hold; name them "
                      "as Qt does (camelCase, no type letters), or add a name of the design to "
                      "the list:\n${problems}")
endif()
message(STATUS "Every type-lettered member and PascalCase function in the sources is the design's.")
