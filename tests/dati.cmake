# The sample puzzles shipped in "Archivio cruciverba".
add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/dati ${CMAKE_CURRENT_BINARY_DIR}/dati)
