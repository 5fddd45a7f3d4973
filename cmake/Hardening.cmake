# SPDX-License-Identifier: MIT
# Debian builds its packages with the flags dpkg-buildflags gives: fortified C library calls, a stack
# protector, format-string checks, read-only relocations bound at start-up. Built the same way, the
# programs in our package pass the distribution's checks. The build type keeps its say over
# optimisation and debugging information, and the build folder's own paths stay in that information,
# so a debugger still finds the sources; the sanitizer and fuzzing builds bring hardening of their own
# and stay as they are.
find_program(WETONARA_DPKG_BUILDFLAGS dpkg-buildflags)
set(hardening_default OFF)
if(WETONARA_DPKG_BUILDFLAGS AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel|None)$"
   AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(hardening_default ON)
endif()
option(WETONARA_HARDENING "Compile and link with the hardening flags of dpkg-buildflags" ${hardening_default})

function(wetonara_dpkg_buildflags variable result)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${WETONARA_DPKG_BUILDFLAGS} --get ${variable}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${variable} failed; configure with -DWETONARA_HARDENING=OFF")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*)$")
  set(${result} ${flags} PARENT_SCOPE)
endfunction()

if(WETONARA_HARDENING)
  if(NOT WETONARA_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "WETONARA_HARDENING needs dpkg-buildflags (package dpkg-dev)")
  endif()
  wetonara_dpkg_buildflags(CPPFLAGS cppflags)
  wetonara_dpkg_buildflags(CXXFLAGS cxxflags)
  wetonara_dpkg_buildflags(LDFLAGS ldflags)
  add_compile_options(${cppflags} ${cxxflags})
  add_link_options(${ldflags})
  message(STATUS "Hardening flags: ${cppflags} ${cxxflags} ${ldflags}")
endif()
