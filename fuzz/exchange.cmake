# Fuzz entries of the grid's file formats (grid/exchange).
bc_add_fuzz(grid_csv      LIBS bc_grid_exchange)
bc_add_fuzz(grid_cellfile LIBS bc_grid_exchange)
bc_add_fuzz(grid_fixed    LIBS bc_grid_exchange)
bc_add_fuzz(grid_binary   LIBS bc_grid_exchange)
