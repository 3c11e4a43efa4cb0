# Fails when a library links one in its own layer or above: configures the project afresh with
# --graphviz and checks every link between the program's targets against the layer table.
# Run as: cmake -DSOURCE_DIR=... -DWORK_DIR=... [-DGENERATOR=...] -P CheckLayers.cmake

# From the bottom up; a target may link only targets of a lower layer.
set(layer_0 zelvane_platform_core)
set(layer_1 zelvane_platform zelvane_state)
set(layer_2 zelvane_shell_core)
set(layer_3 zelvane_gamelist_core zelvane_options_core zelvane_reports_core zelvane_wizard_core)
set(layer_4 zelvane_shell)
set(layer_5 zelvane_gamelist zelvane_options zelvane_reports zelvane_wizard)
set(layer_6 zelvane_mainwindow)
set(layer_7 zelvane_app)
set(layer_8 zelvane)

foreach(layer RANGE 8)
  foreach(target IN LISTS layer_${layer})
    set(rank_${target} ${layer})
  endforeach()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(WRITE "${WORK_DIR}/CMakeGraphVizOptions.cmake"
  "set(GRAPHVIZ_EXTERNAL_LIBS FALSE)\nset(GRAPHVIZ_GENERATE_PER_TARGET FALSE)\nset(GRAPHVIZ_GENERATE_DEPENDERS FALSE)\n")
if(GENERATOR)
  set(generator_args -G "${GENERATOR}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}" ${generator_args}
          -DZELVANE_TESTS=OFF -DZELVANE_BENCH=OFF "--graphviz=${WORK_DIR}/targets.dot"
  RESULT_VARIABLE configured OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "Configuring for the target graph failed:\n${errors}")
endif()

file(STRINGS "${WORK_DIR}/targets.dot" edges REGEX "// [^ ]+ -> [^ ]+")
set(faults "")
set(checked 0)
foreach(edge IN LISTS edges)
  string(REGEX MATCH "// ([^ ]+) -> ([^ ]+)" _ "${edge}")
  set(from "${CMAKE_MATCH_1}")
  set(to "${CMAKE_MATCH_2}")
  foreach(target IN ITEMS ${from} ${to})
    if(target MATCHES "^zelvane" AND NOT DEFINED rank_${target})
      string(APPEND faults "  ${target} has no layer in tests/CheckLayers.cmake\n")
    endif()
  endforeach()
  if(DEFINED rank_${from} AND DEFINED rank_${to})
    math(EXPR checked "${checked} + 1")
    if(NOT rank_${to} LESS rank_${from})
      string(APPEND faults "  ${from} (layer ${rank_${from}}) links ${to} (layer ${rank_${to}})\n")
    endif()
  endif()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No links between the program's libraries found in the target graph")
endif()
if(faults)
  message(FATAL_ERROR "Links that do not run downwards:\n${faults}")
endif()
message(STATUS "${checked} links, all downwards")
