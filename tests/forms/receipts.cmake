# The posting receipt and the domestic return receipt, driven through their windows and checked
# against kartella-render's layout; included from this folder's CMakeLists.txt.
foreach(form posting_receipt return_receipt)
    string(REPLACE "_" "-" folder ${form})
    kartella_add_test(forms_${form}
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/${form}_test.cpp ${CMAKE_CURRENT_LIST_DIR}/receipts_fixture.h
        LIBS kartella_form_${folder} kartella_app kartella_test_support Qt6::SvgWidgets)
    add_dependencies(forms_${form} kartella-render)
endforeach()
