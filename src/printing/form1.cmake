target_sources(quadrivo_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/form1_stampa.cpp)
