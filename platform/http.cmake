# HTTP GET with a time-out (asynchronous) and opening web pages; both fake-able.
add_library(platform_net_http STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Http.h ${CMAKE_CURRENT_LIST_DIR}/Http.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenUrl.h ${CMAKE_CURRENT_LIST_DIR}/OpenUrl.cpp
)
target_link_libraries(platform_net_http PUBLIC platform_core Qt6::Network Qt6::Gui)
