# The grid's sort settings string.
bc_add_fuzz(sortsettings LIBS bc_grid_model)
