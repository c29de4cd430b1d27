#!/usr/bin/env bash
# The built guide pages in one folder: the guide's Markdown tables came out
# as HTML tables, no line break of the source shows as a blank between two
# Japanese characters, the guide's links and pictures reach files beside it,
# and the ふりがな worksheets read every kanji of their text in <ruby>, in kana.
#   guide_pages_test.sh BUILT_FOLDER GUIDE_MARKDOWN
set -uo pipefail
dir=$1 md=$2
fail=0
no() { echo "FAIL: $*"; fail=1; }
guide=$dir/teacher-guide.html

tables_md=$(grep -c '^ *|---' "$md")
tables_html=$(grep -c '<table>' "$guide")
[ "$tables_md" -gt 0 ] && [ "$tables_html" -eq "$tables_md" ] ||
  no "$tables_md tables in the Markdown, $tables_html in the page"
! grep -qE '^<p>\||\|---' "$guide" || no "table pipes left in the page: $(grep -m1 -E '^<p>\||\|---' "$guide")"
grep -q '<th>初期微動継続時間（印刷、mm）</th>' "$guide" || no "the S-P table has no header cells"

sheets=(worksheet worksheet-furigana worksheet-find worksheet-find-furigana)
for page in "$guide" $(printf "$dir/%s.html " "${sheets[@]}"); do
  left=$(perl -CSD -0777 -ne '
    my $w = qr/[\p{Han}\p{Hiragana}\p{Katakana}\x{3000}-\x{303F}\x{FF00}-\x{FFEF}]/;
    print "$1 " while /(.{0,6}$w\n$w.{0,6})/g' "$page")
  [ -z "$left" ] || no "line breaks between Japanese characters in $page: $left"
done

for ref in $(grep -oE '(href|src)="[^":#]+"' "$guide" | sed -E 's/^[a-z]+="//; s/"$//' | sort -u); do
  [ -f "$dir/$ref" ] || no "the guide links to $ref, which is not beside it"
done
for w in "${sheets[@]}"; do
  grep -q "href=\"$w.html\"" "$guide" || no "the guide does not link $w.html"
done

# Outside the drawings, no kanji stands without its reading, and a reading
# is kana only.
for w in worksheet-furigana worksheet-find-furigana; do
  bare=$(perl -CSD -0777 -ne '
    s/^.*?<body//s; s{<svg.*?</svg>}{}gs; my @rt = /<rt>(.*?)<\/rt>/g;
    print "reading $_ " for grep { !/^[\p{Hiragana}ー]+$/ } @rt;
    s{<ruby>[^<]*<rt>[^<]*</rt></ruby>}{}g; s/<[^>]*>//g;
    print "$1 " while /(.{0,4}[\x{3400}-\x{9FFF}\x{3005}].{0,4})/g' "$dir/$w.html")
  [ -z "$bare" ] || no "$w.html: $bare"
  grep -q '<ruby>震源<rt>しんげん</rt></ruby>' "$dir/$w.html" || no "no <ruby> in $w.html"
done
[ "$fail" -eq 0 ] && echo "guide pages: tables, no stray blanks, links and ふりがな hold"
exit "$fail"
