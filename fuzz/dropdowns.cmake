# Fuzz entries of the drop-down editors' readers of typed input.
if(TARGET bc_dropdown_look)
  bc_add_fuzz(typed LIBS bc_dropdown_look)
endif()
# Stored drop-down settings ("Name = Value" lines).
if(TARGET bc_dropdown_look)
  bc_add_fuzz(dropdownprops LIBS bc_dropdown_look)
endif()
