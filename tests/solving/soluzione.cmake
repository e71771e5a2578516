quadrivo_core_test(test_soluzione
  ${CMAKE_CURRENT_LIST_DIR}/passaggio_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inserimento_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controllo_test.cpp)
quadrivo_gui_test(test_tessodef ${CMAKE_CURRENT_LIST_DIR}/tessodef_test.cpp)
quadrivo_gui_test(test_form1_soluzione ${CMAKE_CURRENT_LIST_DIR}/form1_soluzione_test.cpp)
