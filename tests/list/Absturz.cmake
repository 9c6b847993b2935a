# The crash test: a helper program saves lists without end, the test kills it at
# random moments and checks the file is always one whole list. Included from
# tests/list/CMakeLists.txt.
add_executable(listen-schreiber ${CMAKE_CURRENT_LIST_DIR}/ListenSchreiber.cpp)
target_link_libraries(listen-schreiber PRIVATE senvio_list senvio_platform)

senvio_test(list_absturz_tests ${CMAKE_CURRENT_LIST_DIR}/AbsturzTest.cpp)
# Under the sanitizers a kill costs some two seconds: that build kills half as often.
target_compile_definitions(list_absturz_tests PRIVATE LISTEN_SCHREIBER="$<TARGET_FILE:listen-schreiber>"
                                                      KILLS=$<IF:$<BOOL:${SENVIO_SANITIZE}>,20,40>)
add_dependencies(list_absturz_tests listen-schreiber)
