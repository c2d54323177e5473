# The engines' checks, run by CTest beside the Qt Test programs:
# - engines_lint: the engine sources against the browser baseline (the
#   "browserslist" list in package.json);
# - one node test program per group of tests/engines/*.test.mjs files and
#   browser: Debian's Chromium (engines_<group>), Firefox ESR
#   (engines_firefox_<group>) and WebKitGTK's MiniBrowser under Xvfb
#   (engines_webkit_<group>), where a group is a menu type's files (menu,
#   tree, tabs, tabmenu), the page around the menus (page) or the themes; a
#   file that needs no browser, or checks what is the same in every browser
#   (the program's own help page; how a page with its scripts off is parsed,
#   and layout shifts, which only Chromium measures), runs once
#   (engines_<name>).
add_test(NAME engines_lint
  COMMAND ${PLIVEX_NODE} ${CMAKE_SOURCE_DIR}/node_modules/eslint/bin/eslint.js
    --config ${CMAKE_SOURCE_DIR}/engines/eslint.config.mjs ${CMAKE_SOURCE_DIR}/engines
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
set_tests_properties(engines_lint PROPERTIES LABELS "engines;quick")

find_program(PLIVEX_XVFB_RUN xvfb-run REQUIRED)
set(PLIVEX_ONE_BROWSER_TESTS help install)
# Left out of the quick tier: every shipped theme audited closed and open.
set(PLIVEX_LONG_ENGINE_TESTS themes)
# The files of one menu type run in one process per browser (group.mjs), as
# do the files about the page around the menus: a browser costs seconds to
# start, a context or a page milliseconds. The themes run alone, outside the
# quick tier.
set(PLIVEX_ENGINE_GROUPS menu tree tabs tabmenu page themes)
file(GLOB PLIVEX_ENGINE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/engines/*.test.mjs)
foreach(group ${PLIVEX_ENGINE_GROUPS})
  set(files_of_${group} "")
endforeach()
set(PLIVEX_ENGINE_ENTRIES "")
foreach(test_source ${PLIVEX_ENGINE_TESTS})
  get_filename_component(test_name ${test_source} NAME)
  string(REGEX REPLACE "\\.test\\.mjs$" "" test_name ${test_name})
  file(READ ${test_source} test_text)
  string(FIND "${test_text}" "launch(" starts_browser)
  string(REGEX REPLACE "_.*$" "" prefix ${test_name})
  if(starts_browser EQUAL -1 OR test_name IN_LIST PLIVEX_ONE_BROWSER_TESTS)
    # A file that starts no browser (the engine files' sizes), or checks what
    # is the same in every browser, runs once, alone.
    list(APPEND PLIVEX_ENGINE_ENTRIES ${test_name})
    set(browsers_of_${test_name} chromium)
    set(files_of_${test_name} ${test_name})
  elseif(prefix IN_LIST PLIVEX_ENGINE_GROUPS)
    list(APPEND files_of_${prefix} ${test_name})
  else()
    list(APPEND files_of_page ${test_name})
  endif()
endforeach()
foreach(group ${PLIVEX_ENGINE_GROUPS})
  if(files_of_${group})
    list(APPEND PLIVEX_ENGINE_ENTRIES ${group})
    set(browsers_of_${group} chromium firefox webkit)
  endif()
endforeach()
foreach(entry_name ${PLIVEX_ENGINE_ENTRIES})
  list(LENGTH files_of_${entry_name} file_count)
  if(file_count EQUAL 1 AND files_of_${entry_name} STREQUAL entry_name)
    set(script ${CMAKE_CURRENT_SOURCE_DIR}/engines/${entry_name}.test.mjs)
  else()
    set(script ${CMAKE_CURRENT_SOURCE_DIR}/engines/group.mjs)
  endif()
  string(REPLACE ";" " " files "${files_of_${entry_name}}")
  foreach(browser ${browsers_of_${entry_name}})
    set(run ${PLIVEX_NODE} --test --test-reporter=tap ${script})
    if(browser STREQUAL "chromium")
      set(entry engines_${entry_name})
    else()
      set(entry engines_${browser}_${entry_name})
    endif()
    # Chromium's entries are the quick tier's browser.
    set(labels engines ${browser})
    if(browser STREQUAL "chromium" AND NOT entry_name IN_LIST PLIVEX_LONG_ENGINE_TESTS)
      list(APPEND labels quick)
    endif()
    if(browser STREQUAL "webkit")
      set(run ${PLIVEX_XVFB_RUN} -a -s "-screen 0 1280x1024x24" ${run})
    endif()
    add_test(NAME ${entry} COMMAND ${run})
    set_tests_properties(${entry} PROPERTIES TIMEOUT 600 LABELS "${labels}"
      ENVIRONMENT "PLIVEX_BIN_DIR=${PLIVEX_BIN_DIR};PLIVEX_BROWSER=${browser};PLIVEX_ENGINE_FILES=${files}")
    if(browser STREQUAL "webkit")
      set_tests_properties(${entry} PROPERTIES RESOURCE_LOCK xvfb)
    endif()
  endforeach()
endforeach()
