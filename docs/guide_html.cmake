# Turns the teacher's guide from Markdown into a standalone HTML page that a
# browser opens from F1, with the guide's tables as real tables (cmark-gfm's
# table extension). Run as: cmake -DIN=guide.md -DOUT=guide.html -P guide_html.cmake
execute_process(COMMAND cmark-gfm -e table --to html ${IN} OUTPUT_VARIABLE body RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmark-gfm could not convert ${IN}")
endif()
# cmark-gfm keeps a line break of the source inside a paragraph as a newline,
# which a browser shows as a blank: between two Japanese characters (wide
# ones: U+3000-U+9FFF and the full-width forms from U+F900) none belongs.
# The bytes are UTF-8; a wide character's lead byte is E3-E9, or EF
# followed by A4-BF.
string(ASCII 227 e3)
string(ASCII 233 e9)
string(ASCII 239 ef)
string(ASCII 164 a4)
string(ASCII 128 x80)
string(ASCII 191 xbf)
set(wide_start "[${e3}-${e9}][${x80}-${xbf}]|${ef}[${a4}-${xbf}]")
set(wide_end "(${wide_start})[${x80}-${xbf}]")
# A match ends inside the next character, so a one-character line needs a
# second pass.
set(before "")
while(NOT body STREQUAL before)
  set(before "${body}")
  string(REGEX REPLACE "(${wide_end})\n(${wide_start})" "\\1\\3" body "${body}")
endwhile()
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
table { border-collapse: collapse; margin: .5em 0; }
td, th { border: 1px solid #bbb; padding: .2em .5em; }
th { background: #eef3f8; }
blockquote { margin: 1em 0; padding: .2em 1em; border: 2px solid #d9a441; background: #fffaf0; }
@media print {
  body { max-width: none; margin: 0; font-size: 10.5pt; }
  h2 { break-before: auto; break-after: avoid; }
  table, blockquote, img { break-inside: avoid; }
}
</style>
</head>
<body>
${body}</body>
</html>
")
