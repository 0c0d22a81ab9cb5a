#!/bin/bash
# tests/e2e/editing.sh BUILD_WIN_DIR — editing by keyboard in the real program: a UTF-8 text file
# (no byte-order mark, LF line ends, Czech and Cyrillic letters) given on the command line; Ctrl+F
# finds a Czech word, Ctrl+H replaces every other one, Ctrl+Z takes the whole replacement back and
# Ctrl+Y does it again, Ctrl+S writes the file as plain UTF-8 text again, every byte as it was but
# the edits; Ctrl+B and Ctrl+I format instead of typing; Ctrl+N, Ctrl+Tab and Ctrl+W go round and
# close documents.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

rm -rf "$DATA"
file=$E2E_TMP/pozdrav.txt
printf 'Příliš žluťoučký kůň úpěl.\nПривет, мир!\nkůň a kůň\n' >"$file"

text_of() { sed -n '/^text: /,$p' <<<"$1" | sed 's/^text: //' | tr -d '\r' | sed '/^$/d'; }
doc_text() { text_of "$(probe windows)"; }
# has_line TEXT : the active document holds that line (the probe reads the ANSI text, so the
# Cyrillic line shows as question marks: the file's bytes check it at the end)
has_line() { doc_text | grep -qxF "$1"; }
docs() { probe windows | grep -c '^doc: '; }
docs_are() { [ "$(docs)" = "$1" ]; }

nv_start "$(winpath "$file")"
W=$(xw_wait '^Notavo$' 40)
check "main window appears" test -n "$W"
check "the UTF-8 file opens with its Czech text" wait_for has_line "Příliš žluťoučký kůň úpěl."

# --- Ctrl+F: the Czech word, found from the caret at the start; typing replaces what was found
# find_text TEXT : types TEXT into the search dialog's field once the dialog has the focus
FOCUS=
find_text() { local out; out=$(probe settext "$1") && FOCUS=$(sed -n 's/^focus: //p' <<<"$out") && [ -n "$FOCUS" ]; }
xw_key "$W" ctrl+Home
xw_key "$W" ctrl+f
check "Ctrl+F shows the search dialog" wait_for find_text "kůň"
# keys go to the window under the pointer (no window manager): the dialog's own
D=$(xw_wait "^$FOCUS\$" 20)
xw_key "$D" Return
xw_key "$D" Escape
no_dialog() { [ -z "$(xdotool search --onlyvisible --name "^$FOCUS\$" 2>/dev/null)" ]; }
check "Escape closes the search dialog" wait_for no_dialog
xw_type "$W" "osel"
check "the found word was selected: typing replaced it" wait_for has_line "Příliš žluťoučký osel úpěl."

# --- Ctrl+H: every other one replaced at once
xw_key "$W" ctrl+h
check "Ctrl+H shows the replace dialog" wait_for find_text "kůň"
replace_dialog=$FOCUS
D=$(xw_wait "^$FOCUS\$" 20)
xw_key "$D" Tab
check "the replacement typed in its field" wait_for find_text "vůz"
probe answer "$replace_dialog" 1025 >/dev/null # Replace All (psh2)
check "Replace all replaced both" wait_for has_line "vůz a vůz"
xw_key "$D" Escape
check "Escape closes the replace dialog" wait_for no_dialog
status_says() { probe status | grep -qF "panel 0: Počet nahrazení: 2"; }
check "status panel 0 counts the replacements" wait_for status_says

# --- Ctrl+Z takes the whole replacement back in one step, Ctrl+Y does it again
xw_key "$W" ctrl+z
check "Ctrl+Z undoes the replacement as one step" wait_for has_line "kůň a kůň"
check "... and not the typing before it" has_line "Příliš žluťoučký osel úpěl."
xw_key "$W" ctrl+y
check "Ctrl+Y redoes it" wait_for has_line "vůz a vůz"

# --- Ctrl+S: plain UTF-8 again, LF line ends, the Cyrillic line byte for byte
printf 'Příliš žluťoučký osel úpěl.\nПривет, мир!\nvůz a vůz\n' >"$E2E_TMP/expected.txt"
before=$(md5sum <"$file")
xw_key "$W" ctrl+s
written() { [ "$(md5sum <"$file")" != "$before" ]; }
check "Ctrl+S writes the text file" wait_for written
check "the file is the same UTF-8 text with the edits, byte for byte" cmp "$file" "$E2E_TMP/expected.txt"
check "no RTF markup in the text file" bash -c "! grep -q 'rtf' '$file'"

# --- the formatting keys format: Ctrl+I is no tab, Ctrl+B no letter
xw_key "$W" ctrl+End
xw_key "$W" ctrl+b ctrl+i
xw_type "$W" "x"
check "Ctrl+B and Ctrl+I type nothing of their own" wait_for has_line "x"

# --- Ctrl+N a new document, Ctrl+Tab back to the first, Ctrl+W closes the new one unasked
xw_key "$W" ctrl+n
check "Ctrl+N opens a second document" wait_for docs_are 2
active() { probe windows | sed -n 's/^active: //p'; }
active_is() { [ "$(active)" = "$1" ]; }
new_doc=$(active)
check "the new document is active" test -n "$new_doc" -a "$new_doc" != pozdrav.txt
xw_key "$W" ctrl+Tab
check "Ctrl+Tab goes to the other document" wait_for active_is pozdrav.txt
xw_key "$W" ctrl+F6
check "Ctrl+F6 goes on to the next one" wait_for active_is "$new_doc"
xw_key "$W" ctrl+w
check "Ctrl+W closes the untouched document without a question" wait_for docs_are 1
check "no message box" test -z "$(probe boxes)"

# the changed text document asks on close; No keeps the file as saved
probe close
close_question() { box_wait 'Uložit změny' >/dev/null; }
check "closing asks about the unsaved change" close_question
probe answer 'Uložit změny' 7
check "the program ends after No" nv_wait_exit 20
check "the file stays as saved" cmp "$file" "$E2E_TMP/expected.txt"
e2e_finish
