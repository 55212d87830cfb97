# Network and process services of the device update: ICMP echo and the
# bounded wait for a started program. Qt Core only.
add_library(platform_net STATIC
  ${CMAKE_CURRENT_LIST_DIR}/IcmpEcho.h ${CMAKE_CURRENT_LIST_DIR}/IcmpEcho.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProcessRun.h ${CMAKE_CURRENT_LIST_DIR}/ProcessRun.cpp
)
target_link_libraries(platform_net PUBLIC platform_core Qt6::Core)

# Replacing a group of files together (the two configuration images). Qt Core only.
add_library(platform_filegroup STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FileGroup.h ${CMAKE_CURRENT_LIST_DIR}/FileGroup.cpp
)
target_link_libraries(platform_filegroup PUBLIC platform_core Qt6::Core)
