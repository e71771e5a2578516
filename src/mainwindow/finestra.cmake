# The main window: its decisions in the core, its widgets in the GUI library.
target_sources(quadrivo_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/finestra.cpp)
target_sources(quadrivo_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/area_disegno.cpp
  ${CMAKE_CURRENT_LIST_DIR}/barra_stato.cpp
  ${CMAKE_CURRENT_LIST_DIR}/immagini.cpp
  ${CMAKE_CURRENT_LIST_DIR}/luce_tastiera.cpp)

# The keyboard's lock lights are read from the X server when the library is there.
find_package(X11 QUIET GLOBAL)
if(X11_FOUND AND X11_Xkb_FOUND)
  target_compile_definitions(quadrivo_gui PRIVATE QUADRIVO_X11)
  target_link_libraries(quadrivo_gui PRIVATE X11::X11)
endif()
