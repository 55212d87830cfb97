# Fuzz entry of the RTF reader (rich-text cells, clipboard and drops).
bc_add_fuzz(rtf LIBS platform_richtext)
