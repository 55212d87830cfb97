# The printer, its print dialog and print preview behind a fake-able service
# (Qt PrintSupport underneath). The fake needs only Qt Gui, but one target
# keeps the seam in one place: tests link it as the program does.
add_library(platform_printer STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Printer.h ${CMAKE_CURRENT_LIST_DIR}/Printer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrinterQt.cpp
)
target_link_libraries(platform_printer PUBLIC platform_core Qt6::Widgets Qt6::PrintSupport)
