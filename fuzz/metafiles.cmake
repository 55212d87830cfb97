# Windows metafiles of markup pictures (record check, conversion, drawing).
bc_add_fuzz(wmf LIBS platform_pictures)
bc_add_fuzz(emf LIBS platform_pictures)
