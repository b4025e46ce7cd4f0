# Fails when a wrapped text of the program has no finished English
# translation: lupdate runs over the sources into a copy of the .ts file, so a
# text added to the sources since the file was last updated shows up as
# unfinished, as does one that was never translated.
# -D LUPDATE=... -D TS=... -D SOURCES_LIST=... -D WORK=... -D OPTIONS="a|b"
string(REPLACE "|" ";" OPTIONS "${OPTIONS}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
file(COPY ${TS} DESTINATION ${WORK})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES_LIST} -ts ${WORK}/${name}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${out}${err}")
endif()
file(READ ${WORK}/${name} text)
string(REGEX MATCHALL "<source>[^<]*(<byte[^>]*>[^<]*)*</source>[ \n]*<translation type=\"unfinished\"" open "${text}")
list(LENGTH open count)
if(count GREATER 0)
  string(REPLACE ";" "\n" listed "${open}")
  message(FATAL_ERROR "${count} text(s) without an English translation in ${name}:\n${listed}\n"
                      "Run `cmake --build build/default --target update_translations` and translate them.")
endif()
message(STATUS "${name}: every text has its translation")
