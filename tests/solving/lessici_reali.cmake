# Run as a script: the dictionaries built into the program folder hold at least the words
# each language's lists are known to give, so a change that drops words does not go unseen.
foreach(voce "LessicoItaliano.dat=100000" "LessicoFrancese.dat=300000" "LessicoInglese.dat=70000"
             "LessicoLatino.dat=120000")
  string(REPLACE "=" ";" voce "${voce}")
  list(GET voce 0 file)
  list(GET voce 1 minimo)
  execute_process(COMMAND ${LESSICO} info ${CARTELLA}/${file} OUTPUT_VARIABLE uscita RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "${file}: lessico info failed")
  endif()
  string(REGEX MATCH "totale: ([0-9]+)" _ "${uscita}")
  if(CMAKE_MATCH_1 LESS minimo)
    message(FATAL_ERROR "${file}: ${CMAKE_MATCH_1} words, expected at least ${minimo}")
  endif()
  message(STATUS "${file}: ${CMAKE_MATCH_1} words")
endforeach()
