# The grid's sort settings string.
bc_add_fuzz(sortspec LIBS bc_grid_model)
