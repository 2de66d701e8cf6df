# Pickers, lookups, Enter advances and amounts in words; included from this folder's CMakeLists.txt.
kartella_add_test(printing_amount_words
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/amount_words_test.cpp
    LIBS kartella_printing)
kartella_add_test(printing_pickers
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pickers_test.cpp
    LIBS kartella_printing kartella_test_support)
