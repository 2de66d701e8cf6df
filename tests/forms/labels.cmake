# The label selection and settings windows, driven through their controls; included from this
# folder's CMakeLists.txt.
kartella_add_test(forms_labels
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/labels_test.cpp
    LIBS kartella_form_labels kartella_app kartella_test_support)
