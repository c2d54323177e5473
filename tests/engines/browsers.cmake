# The engines' checks, run by CTest beside the Qt Test programs:
# - engines_lint: the engine sources against the browser baseline (the
#   "browserslist" list in package.json);
# - one node test program per tests/engines/*.test.mjs and browser: Debian's
#   Chromium (engines_<name>), Firefox ESR (engines_firefox_<name>) and
#   WebKitGTK's MiniBrowser under Xvfb (engines_webkit_<name>); a file
#   that needs no browser, or checks what is the same in every browser (the
#   program's own help page; how a page with its scripts off is parsed, and
#   layout shifts, which only Chromium measures), runs once (engines_<name>).
add_test(NAME engines_lint
  COMMAND ${PLIVEX_NODE} ${CMAKE_SOURCE_DIR}/node_modules/eslint/bin/eslint.js
    --config ${CMAKE_SOURCE_DIR}/engines/eslint.config.mjs ${CMAKE_SOURCE_DIR}/engines
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
set_tests_properties(engines_lint PROPERTIES LABELS "engines;quick")

find_program(PLIVEX_XVFB_RUN xvfb-run REQUIRED)
set(PLIVEX_ONE_BROWSER_TESTS help install)
# Left out of the quick tier: every shipped theme audited closed and open.
set(PLIVEX_LONG_ENGINE_TESTS themes)
file(GLOB PLIVEX_ENGINE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/engines/*.test.mjs)
foreach(test_source ${PLIVEX_ENGINE_TESTS})
  get_filename_component(test_name ${test_source} NAME)
  string(REGEX REPLACE "\\.test\\.mjs$" "" test_name ${test_name})
  # A file that starts no browser (the engine files' sizes) runs once.
  file(READ ${test_source} test_text)
  string(FIND "${test_text}" "launch(" starts_browser)
  if(starts_browser EQUAL -1 OR test_name IN_LIST PLIVEX_ONE_BROWSER_TESTS)
    set(browsers chromium)
  else()
    set(browsers chromium firefox webkit)
  endif()
  foreach(browser ${browsers})
    set(run ${PLIVEX_NODE} --test --test-reporter=tap ${test_source})
    if(browser STREQUAL "chromium")
      set(entry engines_${test_name})
    else()
      set(entry engines_${browser}_${test_name})
    endif()
    # Chromium's entries are the quick tier's browser.
    set(labels engines ${browser})
    if(browser STREQUAL "chromium" AND NOT test_name IN_LIST PLIVEX_LONG_ENGINE_TESTS)
      list(APPEND labels quick)
    endif()
    if(browser STREQUAL "webkit")
      set(run ${PLIVEX_XVFB_RUN} -a -s "-screen 0 1280x1024x24" ${run})
    endif()
    add_test(NAME ${entry} COMMAND ${run})
    set_tests_properties(${entry} PROPERTIES TIMEOUT 600 LABELS "${labels}"
      ENVIRONMENT "PLIVEX_BIN_DIR=${PLIVEX_BIN_DIR};PLIVEX_BROWSER=${browser}")
    if(browser STREQUAL "webkit")
      set_tests_properties(${entry} PROPERTIES RESOURCE_LOCK xvfb)
    endif()
  endforeach()
endforeach()
