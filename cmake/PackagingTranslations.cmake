# SPDX-License-Identifier: MIT
# The desktop entry, the AppStream metadata and the file type's description are written in English; their
# translations live with the program's in translations/wetonara_<language>.ts, each file's texts in a
# context of their own. Run as a
# script, in one of two modes:
#   cmake -DMODE=sources -DTEMPLATE=FILE -DCONTEXT=NAME -DOUTPUT=FILE.cpp -P PackagingTranslations.cmake
#     writes the English texts as C++ that lupdate reads (scripts/translations), so translators get them
#     with the rest and `scripts/translations --check` reports any left untranslated;
#   cmake -DMODE=merge -DTEMPLATE=FILE -DCONTEXT=NAME -DTS_DIR=DIR -DOUTPUT=FILE -P PackagingTranslations.cmake
#     writes TEMPLATE with every finished translation added after its English text (build time).
# A desktop entry's texts are the values of Name, GenericName, Comment and Keywords; an AppStream file's
# are its name, summary, paragraphs, list items and captions, whitespace collapsed as AppStream reads it;
# a shared-mime-info file's are its comments.
# No CMake list ever holds a text: texts hold semicolons (keywords, character references).
cmake_minimum_required(VERSION 3.22)

set(desktop_keys "Name|GenericName|Comment|Keywords")
set(xml_tags "name|summary|p|li|caption|comment")

function(xml_unescape text result)
  foreach(pair "&lt;|<" "&gt;|>" "&quot;|\"" "&apos;|'" "&amp;|&")
    string(REGEX MATCH "^([^|]*)[|](.*)$" pair "${pair}")
    string(REPLACE "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" text "${text}")
  endforeach()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# Escapes as lupdate writes a .ts file: quotes too, so a text is found as it stands there.
function(ts_escape text result)
  foreach(pair "&|&amp;" "<|&lt;" ">|&gt;" "\"|&quot;" "'|&apos;")
    string(REGEX MATCH "^([^|]*)[|](.*)$" pair "${pair}")
    string(REPLACE "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" text "${text}")
  endforeach()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The context CONTEXT of each .ts file in TS_DIR: sets `languages` and, for each, `context_<language>`.
function(read_contexts)
  file(GLOB ts_files "${TS_DIR}/wetonara_*.ts")
  set(languages "")
  foreach(ts_file IN LISTS ts_files)
    get_filename_component(language "${ts_file}" NAME_WE)
    string(REGEX REPLACE "^wetonara_" "" language "${language}")
    file(READ "${ts_file}" ts)
    string(FIND "${ts}" "<name>${CONTEXT}</name>" start)
    set(context "")
    if(start GREATER -1)
      string(SUBSTRING "${ts}" ${start} -1 context)
      string(FIND "${context}" "</context>" end)
      string(SUBSTRING "${context}" 0 ${end} context)
    endif()
    list(APPEND languages ${language})
    set(context_${language} "${context}" PARENT_SCOPE)
  endforeach()
  set(languages ${languages} PARENT_SCOPE)
endfunction()

# Sets RESULT to the finished translation of ENGLISH in LANGUAGE, unescaped, or to "" if there is none
# (a translation marked unfinished does not count).
function(translation language english result)
  ts_escape("${english}" escaped)
  set(context "${context_${language}}")
  string(FIND "${context}" "<source>${escaped}</source>" at)
  set(${result} "" PARENT_SCOPE)
  if(at GREATER -1)
    string(SUBSTRING "${context}" ${at} -1 rest)
    if(rest MATCHES "^<source>[^<]*</source>[ \r\n]*<translation>([^<]+)</translation>")
      xml_unescape("${CMAKE_MATCH_1}" found)
      set(${result} "${found}" PARENT_SCOPE)
    endif()
  endif()
endfunction()

# What each found text adds after itself: its C++ form for lupdate, or its translations.
function(after_text english indent key result)
  set(added "")
  if(MODE STREQUAL "sources")
    string(REPLACE "\\" "\\\\" quoted "${english}")
    string(REPLACE "\"" "\\\"" quoted "${quoted}")
    string(APPEND sources "    QT_TRANSLATE_NOOP(\"${CONTEXT}\", \"${quoted}\"),\n")
    set(sources "${sources}" PARENT_SCOPE)
  else()
    foreach(language IN LISTS languages)
      translation(${language} "${english}" translated)
      if(translated STREQUAL "")
        continue()
      elseif(FORMAT STREQUAL "desktop")
        string(APPEND added "\n${key}[${language}]=${translated}")
      else()
        ts_escape("${translated}" translated)
        string(APPEND added "\n${indent}<${key} xml:lang=\"${language}\">${translated}</${key}>")
      endif()
    endforeach()
  endif()
  set(${result} "${added}" PARENT_SCOPE)
endfunction()

# Each text is found with the line end before it (hence the line end added in front of the file), the
# indentation, the key or element name, and the text.
file(READ "${TEMPLATE}" rest)
set(rest "\n${rest}")
if(TEMPLATE MATCHES "\\.desktop$")
  set(FORMAT desktop)
  set(pattern "\n( *)(${desktop_keys})=([^\n]*)")
else()
  set(FORMAT xml)
  set(pattern "\n( *)<(${xml_tags})>([^<]*)</(${xml_tags})>")
endif()
if(MODE STREQUAL "merge")
  read_contexts()
endif()
set(done "")
set(sources "")
while(rest MATCHES "${pattern}")
  set(found "${CMAKE_MATCH_0}")
  set(indent "${CMAKE_MATCH_1}")
  set(key "${CMAKE_MATCH_2}")
  string(REGEX REPLACE "[ \t\r\n]+" " " english "${CMAKE_MATCH_3}")
  string(STRIP "${english}" english)
  if(FORMAT STREQUAL "xml")
    xml_unescape("${english}" english)
  endif()
  string(FIND "${rest}" "${found}" at)
  string(LENGTH "${found}" length)
  math(EXPR end "${at} + ${length}")
  string(SUBSTRING "${rest}" 0 ${end} before)
  string(SUBSTRING "${rest}" ${end} -1 rest)
  after_text("${english}" "${indent}" "${key}" added)
  string(APPEND done "${before}${added}")
endwhile()
string(APPEND done "${rest}")
string(SUBSTRING "${done}" 1 -1 done)

if(MODE STREQUAL "sources")
  file(WRITE "${OUTPUT}" "// Generated from ${TEMPLATE}\nstatic const char *const texts[] = {\n${sources}};\n")
elseif(MODE STREQUAL "merge")
  file(WRITE "${OUTPUT}" "${done}")
else()
  message(FATAL_ERROR "MODE is 'sources' or 'merge'")
endif()
