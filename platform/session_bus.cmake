# The session bus at start (SessionBus.h): Linux and other systems where Qt
# talks D-Bus; elsewhere the calls do nothing.
add_library(platform_session_bus STATIC SessionBus.h SessionBus.cpp)
target_include_directories(platform_session_bus PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_session_bus PUBLIC Qt6::Core)
find_package(Qt6 QUIET COMPONENTS DBus)
if(TARGET Qt6::DBus)
  target_compile_definitions(platform_session_bus PRIVATE BC_HAVE_QT_DBUS)
  target_link_libraries(platform_session_bus PRIVATE Qt6::DBus)
endif()
