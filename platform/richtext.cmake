# RTF to and from Qt's rich text (Qt Gui only, no widgets), and the rich edit
# control built on it (a toolkit widget: its sources live in toolkit/).
add_library(platform_richtext STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RichText.h ${CMAKE_CURRENT_LIST_DIR}/RichText.cpp
)
target_include_directories(platform_richtext PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_richtext PUBLIC platform_core Qt6::Gui)

add_library(platform_richedit STATIC
  ${CMAKE_SOURCE_DIR}/toolkit/RichEdit.h ${CMAKE_SOURCE_DIR}/toolkit/RichEdit.cpp
)
target_link_libraries(platform_richedit PUBLIC platform_richtext Qt6::Widgets)
