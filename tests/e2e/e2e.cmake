# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end roads as ctest tests, for the Linux program and for the Windows program under Wine.
#
# add_x_session_fixture()            the private X server with a window manager (fixture
#                                    x_session), started before the first road, ended after the
#                                    last; lib.sh finds it through E2E_SESSION and uses no other
#                                    display
# add_e2e_road(NAME SCRIPT PROGRAM   one road: bash SCRIPT PROGRAM on that session
#   [FIXTURES f...] [ENVIRONMENT v...] [LABELS l...])

set(E2E_DIR ${CMAKE_CURRENT_LIST_DIR})

function(add_x_session_fixture)
  set(session ${CMAKE_CURRENT_BINARY_DIR}/e2e-session)
  set(E2E_SESSION_ENV ${session}/session.env PARENT_SCOPE)
  add_test(NAME e2e_session_start COMMAND bash ${E2E_DIR}/session.sh start ${session})
  add_test(NAME e2e_session_stop COMMAND bash ${E2E_DIR}/session.sh stop ${session})
  set_tests_properties(e2e_session_start PROPERTIES LABELS e2e FIXTURES_SETUP x_session)
  set_tests_properties(e2e_session_stop PROPERTIES LABELS e2e FIXTURES_CLEANUP x_session)
endfunction()

# Failure screenshots land in the build tree.
function(add_e2e_road name script program)
  cmake_parse_arguments(PARSE_ARGV 3 ROAD "" "" "FIXTURES;ENVIRONMENT;LABELS")
  if(NOT ROAD_LABELS)
    set(ROAD_LABELS e2e)
  endif()
  add_test(NAME ${name} COMMAND bash ${script} ${program})
  set_tests_properties(${name} PROPERTIES LABELS "${ROAD_LABELS}" RUN_SERIAL TRUE TIMEOUT 300
    FIXTURES_REQUIRED "x_session;${ROAD_FIXTURES}"
    ENVIRONMENT "E2E_SESSION=${E2E_SESSION_ENV};E2E_ARTIFACTS=${CMAKE_BINARY_DIR}/e2e-artifacts;${ROAD_ENVIRONMENT}")
endfunction()
