# Log panel and log view.
skyvale_test(test_qt_logview
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GLogViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GPanelLogViewTest.cpp
  LIBS gen::qt
  WIDGETS)
