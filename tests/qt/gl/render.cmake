# GL window, driver check, shader, meshes, textures and object graph.
