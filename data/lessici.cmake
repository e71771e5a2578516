# The four dictionaries, built by the `lessico` tool from word lists that scripts/setup.sh
# installs: Debian's word-list packages and the Latin hunspell list from npm in deps/.
set(QUADRIVO_LISTA_LATINA ${CMAKE_SOURCE_DIR}/deps/node_modules/dictionary-la/index.dic)

# quadrivo_lessico(FILE LINGUA FONTE LISTA...)
function(quadrivo_lessico file lingua fonte)
  set(uscita ${QUADRIVO_DIR}/${file})
  set(mancanti)
  foreach(lista IN LISTS ARGN)
    if(NOT EXISTS ${lista})
      list(APPEND mancanti ${lista})
    endif()
  endforeach()
  if(mancanti)
    # Fail when the file is built, not at configure time, so everything else still builds.
    string(REPLACE ";" " " elenco "${mancanti}")
    message(WARNING "${file}: missing word list ${elenco}; run scripts/setup.sh and cmake again")
    add_custom_command(
      OUTPUT ${uscita}
      COMMAND ${CMAKE_COMMAND} -E echo "${file}: missing word list ${elenco} - run scripts/setup.sh, then cmake again"
      COMMAND ${CMAKE_COMMAND} -E false
      VERBATIM)
  else()
    add_custom_command(
      OUTPUT ${uscita}
      COMMAND lessico crea --fonte ${fonte} ${lingua} ${uscita} ${ARGN}
      DEPENDS lessico ${ARGN}
      COMMENT "Building dictionary ${file}"
      VERBATIM)
  endif()
  set_property(GLOBAL APPEND PROPERTY QUADRIVO_LESSICI ${uscita})
endfunction()

quadrivo_lessico(LessicoItaliano.dat Italiano "witalian (Debian)" /usr/share/dict/italian)
quadrivo_lessico(LessicoInglese.dat Inglese "wamerican, wbritish (Debian)"
                 /usr/share/dict/american-english /usr/share/dict/british-english)
quadrivo_lessico(LessicoLatino.dat Latino "dictionary-la (npm), lemmi hunspell" ${QUADRIVO_LISTA_LATINA})
quadrivo_lessico(LessicoFrancese.dat Francese "wfrench (Debian)" /usr/share/dict/french)

get_property(lessici GLOBAL PROPERTY QUADRIVO_LESSICI)
add_custom_target(lessici ALL DEPENDS ${lessici})
