# cmake -DROOT=<source folder> -P CheckIncludes.cmake
# Fails when a source below the windows' folder includes a header of app/:
# the workspace state lives in workspace/, and the text table, editors,
# protocol windows and update dialog must build without the main window.
set(lower workspace text catalog image update editors protocols controls grid dropdowns platform toolkit)
set(bad "")
foreach(dir ${lower})
  file(GLOB_RECURSE sources ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp ${ROOT}/${dir}/*.inc)
  foreach(f ${sources})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]app/")
    foreach(l ${lines})
      file(RELATIVE_PATH rel ${ROOT} ${f})
      list(APPEND bad "${rel}: ${l}")
    endforeach()
  endforeach()
endforeach()
if(bad)
  list(JOIN bad "\n" text)
  message(FATAL_ERROR "Headers of app/ included below it:\n${text}")
endif()
