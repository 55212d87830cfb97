# Animated tab strip: model (tabs, options, look and feel), drawn parts, animation timer.
add_library(bc_glidetabs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsUtils.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsUtils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsPersistent.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsPersistent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsClasses.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsOptions.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsLookAndFeel.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsLookAndFeel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsControls.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabControl.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsThreadTimer.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsThreadTimer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabsWidgetUtils.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabsWidgetUtils.cpp
)
target_include_directories(bc_glidetabs PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_glidetabs PUBLIC toolkit_aadraw platform_core Qt6::Gui Qt6::Widgets)

# The tab strip control on top of the model: layout, painting and animation,
# mouse, menu and drag and drop, events and persistence.
add_library(bc_glidetabs_control STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabs.h ${CMAKE_CURRENT_LIST_DIR}/GlideTabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabs_Layout.cpp ${CMAKE_CURRENT_LIST_DIR}/GlideTabs_Paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlideTabs_Mouse.cpp ${CMAKE_CURRENT_LIST_DIR}/GlideTabs_Persist.cpp
)
set_target_properties(bc_glidetabs_control PROPERTIES AUTOMOC ON)
target_link_libraries(bc_glidetabs_control PUBLIC bc_glidetabs platform_glidetabs_control platform_gui Qt6::Widgets)
