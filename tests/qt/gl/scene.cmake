# Figures, mesh generators and trackball (no GL context needed).
skyvale_test(test_qt_gl_scene
  SOURCES BaseFigureTest.cpp MeshGeneratorTest.cpp GTrackBallTest.cpp
  LIBS gen::qt_gl)
