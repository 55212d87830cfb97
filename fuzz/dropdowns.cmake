# Fuzz entries of the drop-down editors' readers of typed input.
if(TARGET bc_dropdown_look)
  bc_add_fuzz(typed LIBS bc_dropdown_look)
endif()
