# Writes the installer's languages as NSIS script, from Zel's translation files: the installer's
# own texts (context "Installer", each named by its "LangString" field; res/InstallerTexts.h) and
# the labels it shares with Zel's start-up dialog, in English and in every language of a .ts file,
# so that the installer says what Zel says, in the same words. A text missing or unfinished in a
# language stops the build: the installer never falls back to English unnoticed.
#
#   cmake -DTS_FILES="a.ts|b.ts" -DOUTPUT=<file.nsh> -P InstallerLanguages.cmake
#
# The script defines, after MUI_LANGUAGE "English": MUI_LANGUAGE for each other language, the
# LangStrings (%1 and %2 in a text become $TEXT_ARG1 and $TEXT_ARG2, which the installer sets
# before it shows the text) and ZEL_LANGUAGE_OF_PRIMARY_ID ($6 a primary language id in, $3 the
# installer's language for it out, unchanged when it has none).
cmake_minimum_required(VERSION 3.25)

foreach(variable TS_FILES OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()
string(REPLACE "|" ";" TS_FILES "${TS_FILES}")

# The installer's labels that are Zel's own: LangString name, then Zel's context and text.
set(shared_texts
  "DeviceAddressLabel|CDataInitDlg|Device IP address"
  "DevicePortLabel|CDataInitDlg|Device Port number")
# NSIS's names of the languages Zel speaks.
set(nsis_language_de German)
set(nsis_language_es Spanish)
set(nsis_language_fr French)

# Texts may hold semicolons, which would split CMake lists: swapped out until written.
string(ASCII 1 contextEnd)
string(ASCII 2 messageEnd)
string(ASCII 3 semicolon)

# The character with the code point $1, in UTF-8.
function(zel_utf8 codePoint outVar)
  if(codePoint LESS 128)
    string(ASCII ${codePoint} text)
  elseif(codePoint LESS 2048)
    math(EXPR b1 "192 + (${codePoint} >> 6)")
    math(EXPR b2 "128 + (${codePoint} & 63)")
    string(ASCII ${b1} ${b2} text)
  else()
    math(EXPR b1 "224 + (${codePoint} >> 12)")
    math(EXPR b2 "128 + ((${codePoint} >> 6) & 63)")
    math(EXPR b3 "128 + (${codePoint} & 63)")
    string(ASCII ${b1} ${b2} ${b3} text)
  endif()
  set(${outVar} "${text}" PARENT_SCOPE)
endfunction()

# The text of an XML element's content.
function(zel_xml_text text outVar)
  string(REGEX MATCHALL "&#x[0-9a-fA-F]+${semicolon}" references "${text}")
  list(REMOVE_DUPLICATES references)
  foreach(reference IN LISTS references)
    string(REGEX REPLACE "^&#x([0-9a-fA-F]+)${semicolon}$" "\\1" hex "${reference}")
    math(EXPR codePoint "0x${hex}")
    zel_utf8(${codePoint} character)
    string(REPLACE "${reference}" "${character}" text "${text}")
  endforeach()
  foreach(entity "&quot=\"" "&apos='" "&lt=<" "&gt=>" "&amp=&")
    string(REGEX REPLACE "=.*" "" from "${entity}")
    string(REGEX REPLACE "^[^=]*=" "" to "${entity}")
    string(REPLACE "${from}${semicolon}" "${to}" text "${text}")
  endforeach()
  set(${outVar} "${text}" PARENT_SCOPE)
endfunction()

# A text as an NSIS string between double quotes, with Qt's %1 and %2 as the installer's
# variables.
function(zel_nsis_string text outVar)
  string(REPLACE "$" "$$" text "${text}")
  string(REPLACE "\"" "$\\\"" text "${text}")
  string(REPLACE "\r" "$\\r" text "${text}")
  string(REPLACE "\n" "$\\n" text "${text}")
  string(REPLACE "\t" "$\\t" text "${text}")
  string(REGEX REPLACE "%([12])" "$TEXT_ARG\\1" text "${text}")
  if(text MATCHES "%[0-9]")
    message(FATAL_ERROR "The installer fills in only %1 and %2: ${text}")
  endif()
  set(${outVar} "\"${text}\"" PARENT_SCOPE)
endfunction()

# Reads one .ts file: its language, and per message, known by the key "context|source" and
# the key's hash <id>, its translation (translation_<id>), whether it is finished
# (finished_<id>) and its LangString field (langstring_<id>); the keys are in ts_keys.
# Everything is set in the caller's scope.
function(zel_read_ts file)
  file(READ "${file}" text)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REGEX MATCH "<TS [^>]* language=\"([^\"]+)\"" ignored "${text}")
  set(ts_language "${CMAKE_MATCH_1}" PARENT_SCOPE)
  string(REPLACE "</context>" "${contextEnd}" text "${text}")
  string(REPLACE "</message>" "${messageEnd}" text "${text}")
  set(keys)
  string(REGEX MATCHALL "<context>[^${contextEnd}]*" contexts "${text}")
  foreach(context IN LISTS contexts)
    string(REGEX MATCH "<name>([^<]*)</name>" ignored "${context}")
    set(name "${CMAKE_MATCH_1}")
    string(REGEX MATCHALL "<message[^${messageEnd}]*" messages "${context}")
    foreach(message IN LISTS messages)
      string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
      zel_xml_text("${CMAKE_MATCH_1}" source)
      set(key "${name}|${source}")
      list(APPEND keys "${key}")
      string(MD5 id "${key}")
      string(REGEX MATCH "<translation[^>]*>([^<]*)</translation>" ignored "${message}")
      zel_xml_text("${CMAKE_MATCH_1}" translation)
      set("translation_${id}" "${translation}" PARENT_SCOPE)
      if(message MATCHES "<translation type=\"(unfinished|vanished|obsolete)\"")
        set("finished_${id}" FALSE PARENT_SCOPE)
      else()
        set("finished_${id}" TRUE PARENT_SCOPE)
      endif()
      string(REGEX MATCH "<extra-LangString>([^<]*)</extra-LangString>" ignored "${message}")
      set("langstring_${id}" "${CMAKE_MATCH_1}" PARENT_SCOPE)
    endforeach()
  endforeach()
  set(ts_keys "${keys}" PARENT_SCOPE)
endfunction()

# Which texts the installer takes: its own, named in the first file, and the shared ones.
list(GET TS_FILES 0 first)
zel_read_ts("${first}")
set(names)
foreach(key IN LISTS ts_keys)
  if(key MATCHES "^Installer\\|")
    string(MD5 id "${key}")
    set(name "${langstring_${id}}")
    if(NOT name MATCHES "^[A-Za-z]+$")
      message(FATAL_ERROR "${first}: the installer's text has no LangString field: ${key}")
    endif()
    list(APPEND names "${name}")
    set("key_of_${name}" "${key}")
  endif()
endforeach()
foreach(shared IN LISTS shared_texts)
  string(REPLACE "|" ";" parts "${shared}")
  list(POP_FRONT parts name)
  list(JOIN parts "|" key)
  list(APPEND names "${name}")
  set("key_of_${name}" "${key}")
endforeach()

set(script "; Made by InstallerLanguages.cmake from Zel's translation files; do not edit.\n\n")
set(langstrings "")
set(primary_ids
  "!macro ZEL_LANGUAGE_OF_PRIMARY_ID\n  IntOp $7 \${LANG_ENGLISH} & 0x3FF\n"
  "  \${IfThen} $6 = $7 \${|} StrCpy $3 \${LANG_ENGLISH} \${|}\n")
foreach(name IN LISTS names)
  string(REGEX REPLACE "^[^|]*\\|" "" source "${key_of_${name}}")
  zel_nsis_string("${source}" value)
  string(APPEND langstrings "LangString ${name} \${LANG_ENGLISH} ${value}\n")
endforeach()
foreach(ts IN LISTS TS_FILES)
  zel_read_ts("${ts}")
  string(REGEX REPLACE "_.*" "" code "${ts_language}")
  set(language "${nsis_language_${code}}")
  if(NOT language)
    message(FATAL_ERROR "${ts}: no NSIS language is known for \"${ts_language}\"; add it here")
  endif()
  string(TOUPPER "${language}" upper)
  string(APPEND script "!insertmacro MUI_LANGUAGE \"${language}\"\n")
  list(APPEND primary_ids "  IntOp $7 \${LANG_${upper}} & 0x3FF\n"
    "  \${IfThen} $6 = $7 \${|} StrCpy $3 \${LANG_${upper}} \${|}\n")
  foreach(name IN LISTS names)
    string(MD5 id "${key_of_${name}}")
    if(NOT DEFINED "finished_${id}" OR NOT "${finished_${id}}"
       OR "${translation_${id}}" STREQUAL "")
      message(FATAL_ERROR "${ts}: the installer's text ${name} is not translated: ${key_of_${name}}")
    endif()
    zel_nsis_string("${translation_${id}}" value)
    string(APPEND langstrings "LangString ${name} \${LANG_${upper}} ${value}\n")
  endforeach()
endforeach()
list(APPEND primary_ids "!macroend\n")
list(JOIN primary_ids "" primary_ids)
string(APPEND script "\n${langstrings}\n${primary_ids}")
string(REPLACE "${semicolon}" ";" script "${script}")
# With a byte-order mark, makensis reads the file as UTF-8 whatever the system's code page.
string(ASCII 239 187 191 bom)
file(WRITE "${OUTPUT}.new" "${bom}${script}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
