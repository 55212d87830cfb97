# The owner-drawn push button.
add_library(bc_fxbutton STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FxButtons.h ${CMAKE_CURRENT_LIST_DIR}/FxButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FxGlyphs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FxButton.h ${CMAKE_CURRENT_LIST_DIR}/FxButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppButton.h ${CMAKE_CURRENT_LIST_DIR}/AppButton.cpp
)
target_include_directories(bc_fxbutton PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_fxbutton PUBLIC platform_gui Qt6::Widgets)
