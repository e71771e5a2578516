quadrivo_core_test(test_lessico ${CMAKE_CURRENT_LIST_DIR}/lessico_test.cpp ${CMAKE_CURRENT_LIST_DIR}/lessico_crea_test.cpp)
add_test(NAME lessici_reali
         COMMAND ${CMAKE_COMMAND} -DLESSICO=$<TARGET_FILE:lessico> -DCARTELLA=${QUADRIVO_DIR}
                 -P ${CMAKE_CURRENT_LIST_DIR}/lessici_reali.cmake)
