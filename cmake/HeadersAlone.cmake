# Every header of the product folders compiles on its own: for each one a
# generated source holds nothing but its #include, and all of them build as
# the object library bc_headers_alone, part of the normal build. A header that
# leans on its includer for an include or a forward declaration breaks the
# build here, naming the header, instead of the next file that includes it
# first.
#
# Included after every target exists. The folders are globbed, so headers
# that move or are added are checked without editing this file; the object
# library takes the usage requirements (include folders, Qt modules) of every
# library defined in these folders, and each generated source also the
# include folders of the target that lists the header among its sources (a
# header may include a file generated into its owner's build folder).

set(BC_HEADER_FOLDERS app text catalog image update editors protocols controls grid dropdowns
                      platform toolkit workspace)

# Every target defined in Dir and the folders below it.
function(bc_targets_below Dir Out)
  get_property(found DIRECTORY ${Dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subs DIRECTORY ${Dir} PROPERTY SUBDIRECTORIES)
  foreach(s ${subs})
    bc_targets_below(${s} more)
    list(APPEND found ${more})
  endforeach()
  set(${Out} ${found} PARENT_SCOPE)
endfunction()

function(bc_add_headers_alone)
  set(headers "")
  foreach(dir ${BC_HEADER_FOLDERS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND headers ${found})
  endforeach()
  list(SORT headers)

  # Which product target lists which header (absolute paths), and which
  # libraries lend their usage requirements.
  bc_targets_below(${CMAKE_SOURCE_DIR} all_targets)
  set(libraries "")
  foreach(t ${all_targets})
    get_target_property(dir ${t} SOURCE_DIR)
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${dir})
    string(REGEX REPLACE "/.*" "" top "${rel}")
    if(NOT top IN_LIST BC_HEADER_FOLDERS)
      continue()
    endif()
    get_target_property(type ${t} TYPE)
    if(type MATCHES "^(STATIC|OBJECT|INTERFACE)_LIBRARY$")
      list(APPEND libraries ${t})
    endif()
    if(type STREQUAL "INTERFACE_LIBRARY")
      continue()
    endif()
    get_target_property(sources ${t} SOURCES)
    foreach(s ${sources})
      if(s MATCHES "\\.h$")
        get_filename_component(abs ${s} ABSOLUTE BASE_DIR ${dir})
        string(MAKE_C_IDENTIFIER "${abs}" key)
        set(owner_${key} ${t})
      endif()
    endforeach()
  endforeach()

  string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" src_re "${CMAKE_SOURCE_DIR}")
  string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" bin_re "${CMAKE_BINARY_DIR}")
  set(own_dirs "^(${src_re}|${bin_re})(/|$)")
  set(out_dir ${CMAKE_BINARY_DIR}/headers_alone)
  set(units "")
  foreach(h ${headers})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${h})
    string(MAKE_C_IDENTIFIER "${rel}" name)
    set(unit ${out_dir}/${name}.cpp)
    # Written only when it changes, so a new configure rebuilds nothing.
    file(CONFIGURE OUTPUT ${unit} CONTENT "#include \"${rel}\"\n" @ONLY)
    list(APPEND units ${unit})
    string(MAKE_C_IDENTIFIER "${h}" key)
    if(DEFINED owner_${key})
      # Only the project's own folders: the owner's list also holds the
      # system's, which as plain -I would hide the C library's headers.
      set_source_files_properties(${unit} PROPERTIES INCLUDE_DIRECTORIES
        "$<FILTER:$<TARGET_PROPERTY:${owner_${key}},INCLUDE_DIRECTORIES>,INCLUDE,${own_dirs}>")
    endif()
  endforeach()

  add_library(bc_headers_alone OBJECT ${units})
  # The headers are only compiled here, never linked: moc has nothing to add.
  set_target_properties(bc_headers_alone PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF UNITY_BUILD OFF)
  target_include_directories(bc_headers_alone PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(bc_headers_alone PRIVATE ${libraries})
endfunction()

bc_add_headers_alone()
