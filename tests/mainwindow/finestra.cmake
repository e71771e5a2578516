quadrivo_core_test(test_finestra ${CMAKE_CURRENT_LIST_DIR}/finestra_test.cpp)
quadrivo_gui_test(test_form1 ${CMAKE_CURRENT_LIST_DIR}/form1_test.cpp)
