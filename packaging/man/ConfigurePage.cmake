# SPDX-License-Identifier: MIT
# Puts the release's version and date into a manual page's template at build time, after po4a has
# translated it (the translations are made from the templates, so a new release changes none of them):
#   cmake -DINPUT=PAGE.in -DOUTPUT=PAGE -DPROJECT_VERSION=... -DWETONARA_RELEASE_DATE=... -P ConfigurePage.cmake
cmake_minimum_required(VERSION 3.22)
configure_file(${INPUT} ${OUTPUT} @ONLY)
