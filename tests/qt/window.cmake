# Application object, main window and options dialog.

# The window tests run with the framework's own application object.
add_library(skyvale_app_test_main STATIC app_test_main.cpp)
skyvale_target(skyvale_app_test_main)
target_link_libraries(skyvale_app_test_main PUBLIC gen::qt GTest::gtest)

# A small main window built from the framework, shared by the tests, the
# peer process and the screenshot program.
add_library(skyvale_test_window STATIC TestWindow.cpp)
skyvale_target(skyvale_test_window)
target_link_libraries(skyvale_test_window PUBLIC gen::qt skyvale::res)

# Restarting the program: a second process opens the test windows on the
# store a test left behind and reports what they restored.
add_executable(window_peer window_peer.cpp)
skyvale_target(window_peer)
target_link_libraries(window_peer PRIVATE skyvale_test_window skyvale_test_support)

skyvale_test(test_qt_window
  SOURCES GAppTest.cpp GMainWindowTest.cpp WindowClazzTest.cpp dialogs/GDialogOptionTest.cpp WindowDriver.cpp
  LIBS gen::qt skyvale_test_window Qt6::Test
  MAIN skyvale_app_test_main)
target_compile_definitions(test_qt_window PRIVATE SKYVALE_WINDOW_PEER="$<TARGET_FILE:window_peer>")
add_dependencies(test_qt_window window_peer)

# Not a test: shows the test window in each theme and saves PNGs to the
# folder given on its command line (run under Xvfb).
add_executable(theme_screenshots theme_screenshots.cpp)
skyvale_target(theme_screenshots)
target_link_libraries(theme_screenshots PRIVATE skyvale_test_window skyvale_test_support)
