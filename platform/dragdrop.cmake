# Drag and drop behind a fake-able service (QDrag and the widgets' drag
# events underneath); data as MIME formats, shared with the clipboard.
add_library(platform_dragdrop STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DragDrop.h ${CMAKE_CURRENT_LIST_DIR}/DragDrop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DragDropQt.cpp
)
target_link_libraries(platform_dragdrop PUBLIC platform_clipboard Qt6::Widgets)
