# The envelope window, driven through its controls; included from this folder's CMakeLists.txt.
kartella_add_test(forms_envelope
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/envelope_test.cpp
    LIBS kartella_form_envelope kartella_app kartella_test_support)
