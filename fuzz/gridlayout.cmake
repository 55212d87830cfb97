# Fuzz entries of the string grid's layout formats and loaders.
bc_add_fuzz(gridlayout      LIBS bc_grid_model)
bc_add_fuzz(gridlayoutfiles LIBS bc_grid_stringgrid)
