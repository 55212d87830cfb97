# HTTP GET with a time-out (asynchronous) and opening web pages; both fake-able.
# The GET needs Qt Network and, through it, the Kerberos and proxy libraries:
# linked directly into tests and tools, loaded with the module bc_network on
# the first request by the program (late_library.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/late_library.cmake)
add_library(platform_net_http_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Http.h ${CMAKE_CURRENT_LIST_DIR}/Http.cpp ${CMAKE_CURRENT_LIST_DIR}/HttpDefault.h
  ${CMAKE_CURRENT_LIST_DIR}/OpenUrl.h ${CMAKE_CURRENT_LIST_DIR}/OpenUrl.cpp
)
target_link_libraries(platform_net_http_core PUBLIC platform_core Qt6::Gui)
add_library(platform_net_http_qt STATIC ${CMAKE_CURRENT_LIST_DIR}/HttpQt.cpp)
target_link_libraries(platform_net_http_qt PUBLIC platform_core Qt6::Network)
add_library(platform_net_http_late STATIC ${CMAKE_CURRENT_LIST_DIR}/HttpLate.cpp)
target_link_libraries(platform_net_http_late PUBLIC platform_late_library)
add_library(platform_net_http INTERFACE)
target_link_libraries(platform_net_http INTERFACE platform_net_http_core)
bc_late_library_choice(platform_net_http DIRECT platform_net_http_qt LATE platform_net_http_late)

add_library(bc_network MODULE ${CMAKE_CURRENT_LIST_DIR}/HttpModule.cpp)
target_link_libraries(bc_network PRIVATE platform_net_http_qt)
set_target_properties(bc_network PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${BC_PROGRAM_DIR})
