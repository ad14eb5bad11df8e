# Themes, styles, panels and widgets.

skyvale_test(test_qt_widgets
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ThemesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GStylesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GGuiTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GPanelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GInputWidgetsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GListViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GFlowLayoutTest.cpp
  LIBS gen::qt skyvale::res Qt6::Test
  WIDGETS)
