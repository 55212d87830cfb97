# The streamed catalogue load against the load through the document tree.
bc_add_fuzz(catalog_stream LIBS bc_catalog)
