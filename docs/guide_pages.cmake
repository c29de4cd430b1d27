# Writes the teacher's guide page, the worksheets with their ふりがな forms
# and the guide's screenshots into one folder, as the desktop build and the
# browser edition ship them. Run as: cmake -DOUT_DIR=folder -P docs/guide_pages.cmake
set(docs ${CMAKE_CURRENT_LIST_DIR})
file(MAKE_DIRECTORY ${OUT_DIR})
set(IN ${docs}/teacher-guide.md)
set(OUT ${OUT_DIR}/teacher-guide.html)
include(${docs}/guide_html.cmake)
foreach(sheet worksheet worksheet-find)
  file(COPY ${docs}/${sheet}.html DESTINATION ${OUT_DIR})
  set(IN ${docs}/${sheet}.html)
  set(OUT ${OUT_DIR}/${sheet}-furigana.html)
  include(${docs}/worksheet_ruby.cmake)
endforeach()
file(COPY ${docs}/screenshots DESTINATION ${OUT_DIR})
