# Solving: hover, word entry by click, typing into the grid, checking and clearing.
target_sources(quadrivo_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/passaggio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inserimento.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controllo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/solutore.cpp)
target_sources(quadrivo_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tessodef.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tessodef.h)
