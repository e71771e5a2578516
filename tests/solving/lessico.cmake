quadrivo_core_test(test_lessico ${CMAKE_CURRENT_LIST_DIR}/lessico_test.cpp ${CMAKE_CURRENT_LIST_DIR}/lessico_crea_test.cpp)
target_link_libraries(test_lessico PRIVATE lessico_lib)
