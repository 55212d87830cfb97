# Layering rules, checked when the build is configured: a target that breaks
# one stops the configuration with the path of links that breaks it.
#
# - Nothing below the windows' folder (app/) links its target bc_app: the text
#   table, the editors, the protocol windows and the update dialog take the
#   workspace state from bc_workspace.
# - The format cores link Qt Core (and Xml) only, so a widget cannot creep in.
# - The string grid does not link the grid drop-down (bc_grid_dropdown).
# - platform/ is the floor: no platform_* target links a toolkit_* or bc_*
#   target, and its targets link nothing of the folders above.
#
# Which sources may include what is checked by the test "layering.includes".

# The links a target names itself (its own and its interface's), as written.
function(bc_direct_links Target Out)
  get_target_property(type ${Target} TYPE)
  set(links "")
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${Target} LINK_LIBRARIES)
    if(direct)
      list(APPEND links ${direct})
    endif()
  endif()
  get_target_property(iface ${Target} INTERFACE_LINK_LIBRARIES)
  if(iface)
    list(APPEND links ${iface})
  endif()
  set(${Out} ${links} PARENT_SCOPE)
endfunction()

# Every target that Target links, directly or through others (names only;
# generator expressions around a name are looked through).
function(bc_link_closure Target Out)
  set(seen "")
  set(todo ${Target})
  while(todo)
    list(POP_FRONT todo t)
    if(NOT TARGET ${t} OR t IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${t})
    get_target_property(aliased ${t} ALIASED_TARGET)
    if(aliased)
      list(APPEND todo ${aliased})
    endif()
    bc_direct_links(${t} links)
    foreach(l ${links})
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" l "${l}")
      if(TARGET ${l})
        list(APPEND todo ${l})
      endif()
    endforeach()
  endwhile()
  list(REMOVE_ITEM seen ${Target})
  set(${Out} ${seen} PARENT_SCOPE)
endfunction()

# bc_forbid_links(TARGETS <targets...> FORBIDDEN <targets...> WHY <text>)
function(bc_forbid_links)
  cmake_parse_arguments(A "" "WHY" "TARGETS;FORBIDDEN" ${ARGN})
  foreach(t ${A_TARGETS})
    if(NOT TARGET ${t})
      continue()
    endif()
    bc_link_closure(${t} closure)
    foreach(f ${A_FORBIDDEN})
      if(f IN_LIST closure)
        message(FATAL_ERROR "Layering: ${t} links ${f} (${A_WHY})")
      endif()
    endforeach()
  endforeach()
endfunction()

# bc_forbid_link_patterns(TARGETS <targets...> FORBIDDEN <regex> WHY <text>)
# As bc_forbid_links, for every linked target whose name matches the pattern,
# wherever it is defined; all the links that break the rule are named at once.
function(bc_forbid_link_patterns)
  cmake_parse_arguments(A "" "FORBIDDEN;WHY" "TARGETS" ${ARGN})
  set(bad "")
  foreach(t ${A_TARGETS})
    if(NOT TARGET ${t})
      continue()
    endif()
    bc_link_closure(${t} closure)
    foreach(l ${closure})
      if(l MATCHES "${A_FORBIDDEN}")
        list(APPEND bad "${t} links ${l}")
      endif()
    endforeach()
  endforeach()
  if(bad)
    list(JOIN bad "; " text)
    message(FATAL_ERROR "Layering: ${text} (${A_WHY})")
  endif()
endfunction()

# The targets a folder defines (its own CMakeLists.txt and the fragments it includes).
function(bc_folder_targets Out)
  set(all "")
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
      get_property(targets DIRECTORY ${CMAKE_SOURCE_DIR}/${dir} PROPERTY BUILDSYSTEM_TARGETS)
      list(APPEND all ${targets})
    endif()
  endforeach()
  set(${Out} ${all} PARENT_SCOPE)
endfunction()

bc_folder_targets(below_app platform toolkit workspace text catalog image update editors protocols controls
                  grid/model grid/base grid/stringgrid grid/griddropdown grid/columngrid grid/exchange grid/print
                  dropdowns)
bc_forbid_links(TARGETS ${below_app} FORBIDDEN bc_app
                WHY "only the program and tests build on the main window's folder")
bc_forbid_links(TARGETS bc_workspace bc_text bc_update_core bc_editors_data bc_protocols_data bc_protocols_writers
                        bc_catalog bc_image platform_core bc_grid_model bc_grid_exchange
                FORBIDDEN Qt6::Gui Qt6::Widgets
                WHY "format cores and the workspace state link Qt Core and Xml only")

# The folders as layers: platform/ is the floor and links nothing of the
# project above it; the toolkit widgets know of the grid only its data model.
bc_folder_targets(platform_targets platform)
bc_folder_targets(toolkit_targets toolkit)
bc_folder_targets(model_targets grid/model)
set(project_targets "")
foreach(dir toolkit workspace text catalog image update controls grid/model grid/base grid/stringgrid
            grid/griddropdown grid/columngrid grid/exchange grid/print dropdowns editors protocols)
  bc_folder_targets(t ${dir})
  list(APPEND project_targets ${t})
endforeach()
bc_forbid_links(TARGETS ${platform_targets} FORBIDDEN ${project_targets} bc_app
                WHY "platform/ is the lowest layer")
# And by name, wherever a target is defined: no platform_* target links a
# toolkit_* or bc_* one (the program's modules and the tests' main included).
set(platform_named ${platform_targets})
list(FILTER platform_named INCLUDE REGEX "^platform_")
bc_forbid_link_patterns(TARGETS ${platform_named} FORBIDDEN "^(toolkit_|bc_)"
                        WHY "the platform links only Qt and its own targets")
set(above_model ${project_targets})
list(REMOVE_ITEM above_model ${model_targets})
foreach(t ${toolkit_targets})
  list(REMOVE_ITEM above_model ${t})
endforeach()
bc_forbid_links(TARGETS ${toolkit_targets} FORBIDDEN ${above_model} bc_app
                WHY "the toolkit knows of the grid only its data model")
bc_forbid_links(TARGETS ${model_targets} FORBIDDEN ${toolkit_targets}
                WHY "the grid's data model is below the toolkit widgets")

# The grid drop-down holds a string grid: the string grid makes it through a
# registered maker and never links it, or the two would close a cycle.
bc_forbid_links(TARGETS bc_grid_stringgrid FORBIDDEN bc_grid_dropdown
                WHY "the string grid makes its grid drop-down through the registered maker")

# Every link runs down: a target links only targets of its own folder or of
# folders listed before its own in BC_LAYERS (the top-level CMakeLists.txt).
set(layer_index 0)
foreach(dir ${BC_LAYERS})
  bc_folder_targets(t ${dir})
  foreach(x ${t})
    set(layer_of_${x} ${layer_index})
    set(folder_of_${x} ${dir})
  endforeach()
  math(EXPR layer_index "${layer_index} + 1")
endforeach()
foreach(dir ${BC_LAYERS})
  bc_folder_targets(t ${dir})
  foreach(x ${t})
    bc_direct_links(${x} links)
    foreach(l ${links})
      string(REGEX MATCHALL "[A-Za-z0-9_]+" words "${l}")
      foreach(w ${words})
        if(DEFINED layer_of_${w} AND layer_of_${w} GREATER layer_of_${x})
          message(FATAL_ERROR "Layering: ${x} (${dir}) links ${w} (${folder_of_${w}}), a higher folder")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
