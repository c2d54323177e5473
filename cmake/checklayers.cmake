# Fails when a source file of one library includes a header of a library
# that comes later in LAYERS, or of a layer it does not depend on.
# controls may include nothing of ours but itself.
set(allowed_page page)
set(allowed_project page project)
set(allowed_controls controls)
set(allowed_editors page project controls editors)
set(allowed_preview page project controls editors preview)
set(allowed_app page project controls editors preview app)
set(LAYERS page project controls editors preview app)
set(failures "")
foreach(layer ${LAYERS})
  file(GLOB_RECURSE files ${SRC}/${layer}/*.cpp ${SRC}/${layer}/*.h)
  foreach(f ${files})
    file(STRINGS ${f} lines REGEX "^#include \"[a-z]+/")
    foreach(line ${lines})
      string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" used "${line}")
      list(FIND allowed_${layer} ${used} found)
      if(found EQUAL -1)
        string(REPLACE ";" " " may "${allowed_${layer}}")
        list(APPEND failures "${f}: ${line} (${layer} may include only: ${may})")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "Include across layers:\n${text}")
endif()

# Windows, the page command channel and what the pages share are handed to
# whoever needs them; none is reached through a global, and no unit keeps
# state of its own at file level. Fails on
# - a global or file-scope pointer (`extern T *name;`, `T *name = ...;` at
#   file level, `static T *name;` anywhere), a function pointer among them;
# - a global or file-scope variable of any other type (`int count = 0;`,
#   `QList<T> pages;`, `std::function<...> reporter;` at file level, in an
#   anonymous namespace too).
# Constants are data, not state, and pass, as do declarations of functions
# (a default argument included) and of types. The dialog seam is the one
# settable global: tests put their own answers behind it.
set(state_allowed "project/platform/dialogs.cpp: Dialogs \\*g_dialogs")
set(pointer_line "^(extern |static |inline )?[A-Za-z_][A-Za-z0-9_:<>]* ?\\*+ ?[A-Za-z_][A-Za-z0-9_]*( =.*)?;|^[ \t]+static [A-Za-z_][A-Za-z0-9_:<>]* ?\\*+ ?[A-Za-z_][A-Za-z0-9_]*( =.*)?;")
set(function_pointer_line "^(extern |static |inline )?[A-Za-z_][A-Za-z0-9_:<>]* ?\\(\\*[A-Za-z_][A-Za-z0-9_]*\\)\\(.*;")
set(variable_line "^(extern |static |inline )?(thread_local )?[A-Za-z_][A-Za-z0-9_:]*(<[^;]*>)? &?[A-Za-z_][A-Za-z0-9_]*( = [^;]*| ?[{][^;]*[}])?;")
set(globals "")
set(globals_text "")
foreach(layer ${LAYERS})
  file(GLOB_RECURSE files ${SRC}/${layer}/*.cpp ${SRC}/${layer}/*.h)
  foreach(f ${files})
    file(STRINGS ${f} lines REGEX "${pointer_line}|${function_pointer_line}|${variable_line}")
    # The lines come split at their ";", which leaves empty entries.
    foreach(line ${lines})
      if(line STREQUAL "" OR line MATCHES
         "^[ \t]*(extern |static |inline )*(const |constexpr |using |typedef |return |namespace |class |struct |enum |union |friend |template|Q_)")
        continue()
      endif()
      string(REPLACE "${SRC}/" "" rel "${f}")
      if("${rel}: ${line}" MATCHES "^${state_allowed}")
        continue()
      endif()
      string(STRIP "${line}" line)
      list(APPEND globals "${rel}")
      string(APPEND globals_text "\n  ${rel}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(globals)
  message(FATAL_ERROR "Global or file-scope state (hand the object over through a constructor instead):"
    "${globals_text}")
endif()

# What a merge or a patch leaves behind (`file.cpp.orig`, `file.cpp.rej`) is
# no source: it is never built, and its stale code misleads whoever reads it.
get_filename_component(root ${SRC} DIRECTORY)
set(leftovers "")
foreach(folder src tests engines runtime scripts cmake packaging bench)
  file(GLOB_RECURSE found ${root}/${folder}/*.orig ${root}/${folder}/*.rej)
  list(APPEND leftovers ${found})
endforeach()
if(leftovers)
  string(REPLACE ";" "\n  " text "${leftovers}")
  message(FATAL_ERROR "Merge or patch leftovers; delete them:\n  ${text}")
endif()
