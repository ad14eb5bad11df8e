# The program under stress: killed while it saves, many windows opened and
# closed. Both bring their own Xvfb displays (they need keyboard focus and
# no other test may take it), so they need not run alone.
skyvale_test_helper(settings_check SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_check.cpp LIBS gen::store Qt6::Core)
add_test(NAME Program.KilledSaves
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/killed_saves.sh $<TARGET_FILE:skyvale> $<TARGET_FILE:settings_check>)
set_tests_properties(Program.KilledSaves PROPERTIES LABELS gl TIMEOUT 240)
add_test(NAME Program.ManyWindows COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/many_windows.sh $<TARGET_FILE:skyvale>)
set_tests_properties(Program.ManyWindows PROPERTIES LABELS gl TIMEOUT 180)
