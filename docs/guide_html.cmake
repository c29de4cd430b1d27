# Turns the teacher's guide from Markdown into a standalone HTML page that a
# browser opens from F1. Run as: cmake -DIN=guide.md -DOUT=guide.html -P guide_html.cmake
execute_process(COMMAND cmark --to html ${IN} OUTPUT_VARIABLE body RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmark could not convert ${IN}")
endif()
file(WRITE ${OUT} "<!DOCTYPE html>
<html lang=\"ja\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>Zemlox 先生用ガイド</title>
<style>
body { max-width: 52em; margin: 1em auto; padding: 0 1em; line-height: 1.7;
       font-family: \"IPAPGothic\", \"IPAGothic\", sans-serif; }
img { max-width: 100%; border: 1px solid #ccc; }
code, kbd { background: #f2f2f2; padding: 0 .2em; }
table { border-collapse: collapse; } td, th { border: 1px solid #bbb; padding: .2em .5em; }
</style>
</head>
<body>
${body}</body>
</html>
")
