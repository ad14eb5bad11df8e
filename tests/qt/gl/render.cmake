# GL window, driver check, shader, meshes, textures and object graph.
# Sources are named from this file's folder so the list can be included from
# anywhere.
set(_render_dir ${CMAKE_CURRENT_LIST_DIR})

# Without a context: driver check with injected driver texts, shader handle,
# object graph bookkeeping.
skyvale_test(test_qt_gl_render_cpu
  SOURCES ${_render_dir}/GGLTest.cpp ${_render_dir}/GShaderTest.cpp ${_render_dir}/ObjectGraphTest.cpp
  LIBS gen::qt_gl)

# On a real context (label gl, needs a display): initialisation, shader
# program, drawing through the object graph, textures, the widget wrapper.
skyvale_test(test_qt_gl_render
  SOURCES ${_render_dir}/SceneWindow.cpp ${_render_dir}/AbstractGLComponentTest.cpp
          ${_render_dir}/GLMeshTest.cpp ${_render_dir}/TextureTest.cpp
          ${_render_dir}/GWrapGLTest.cpp
  LIBS gen::qt_gl skyvale::res
  GL)
